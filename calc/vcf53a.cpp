#include "calc/vcf53a.h"

#include "calc/number_text.h"
#include "calc/volume_correction.h"

namespace corvald::calc {

double crudeCoefficient(double rho) { return kCrudeK0 / rho / rho + kCrudeK1 / rho; }

double VCF53A(double Dens, double Temp)
{
    double alpha = 0;
    if (Dens <= kCrudeHighestDensity && Dens >= kCrudeLowestDensity)
        alpha = crudeCoefficient(Dens);
    return volumeCorrection(alpha, Temp - kBaseTemperature);
}

double VCF53A(double Dens, std::string_view Temp) { return VCF53A(Dens, readNumber(Temp)); }

} // namespace corvald::calc
