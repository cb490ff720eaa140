#include "calc/product_bands.h"

#include "calc/number_text.h"

namespace corvald::calc {

const ProductBand* productBandOf(double density)
{
    for (const ProductBand& band : kProductBands)
        if (density <= band.to && density >= band.from)
            return &band;
    return nullptr;
}

const ProductBand* productBandNearest(double density)
{
    return productBandOf(roundToDecimals(density, 1));
}

double bandCoefficient(CoefficientForm form, double first, double second, double rho)
{
    const double firstTerm = first / rho / rho;
    switch (form) {
    case CoefficientForm::plusSecondTerm:
        return firstTerm + second / rho;
    case CoefficientForm::minusConstant:
        return firstTerm - second;
    case CoefficientForm::firstTermOnly:
        break;
    }
    return firstTerm;
}

double bandCoefficientSlope(CoefficientForm form, double first, double second, double rho)
{
    const double firstSlope = -2 * first / (rho * rho * rho);
    return form == CoefficientForm::plusSecondTerm ? firstSlope - second / (rho * rho) : firstSlope;
}

std::optional<double> productCoefficient(double density)
{
    const ProductBand* band = productBandOf(density);
    if (!band)
        return std::nullopt;
    return bandCoefficient(band->form, band->first, band->second, density);
}

} // namespace corvald::calc
