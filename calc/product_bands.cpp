#include "calc/product_bands.h"

namespace corvald::calc {

const ProductBand* productBandOf(double density)
{
    for (const ProductBand& band : kProductBands)
        if (density <= band.to && density >= band.from)
            return &band;
    return nullptr;
}

std::optional<double> productCoefficient(double density)
{
    const ProductBand* band = productBandOf(density);
    if (!band)
        return std::nullopt;
    const double firstTerm = band->first / density / density;
    switch (band->form) {
    case CoefficientForm::plusSecondTerm:
        return firstTerm + band->second / density;
    case CoefficientForm::minusConstant:
        return firstTerm - band->second;
    case CoefficientForm::firstTermOnly:
        break;
    }
    return firstTerm;
}

} // namespace corvald::calc
