#include "calc/vcf54b.h"

#include "calc/number_text.h"
#include "calc/product_bands.h"
#include "calc/table_grid.h"
#include "calc/volume_correction.h"

namespace corvald::calc {

namespace {

    // The factor on the grid, from the coefficient already found for the grid density.
    double gridFactor(std::optional<double> alpha, double gridTemperature)
    {
        const double factor
            = volumeCorrection(alpha.value_or(0), gridTemperature - kBaseTemperature);
        return roundToFourDecimals(factor);
    }

} // namespace

double VCF_54B(double& Dens, std::optional<double> Temp)
{
    const std::optional<double> alpha = Density54b(Dens);
    return gridFactor(alpha, TempCorr(Temp));
}

double VCF_54B(double& Dens, std::string_view Temp)
{
    const std::optional<double> alpha = Density54b(Dens);
    return gridFactor(alpha, TempCorr(Temp));
}

double VCF54bInterpolerad(double Dens, double Temp)
{
    return volumeCorrection(productCoefficient(Dens).value_or(0), Temp - kBaseTemperature);
}

double VCF54bInterpolerad(double Dens, std::string_view Temp)
{
    return VCF54bInterpolerad(Dens, readNumber(Temp));
}

} // namespace corvald::calc
