#include "calc/density_tables.h"

#include "calc/companion_table.h"
#include "calc/vcf53a.h"
#include "calc/volume_correction.h"

namespace corvald::calc {

namespace {

    constexpr ProductBand kCrudeOils { kCrudeLowestDensity, kCrudeHighestDensity, kCrudeK0,
        kCrudeK1, CoefficientForm::plusSecondTerm, "crude oils" };

    const ProductBand& crudeBand(double) { return kCrudeOils; }

    // An iterate that strays beyond the outer bands on its way keeps the nearest
    // outer band; the settled density is checked against the range afterwards.
    const ProductBand& productBand(double rho)
    {
        if (const ProductBand* band = productBandNearest(rho))
            return *band;
        return rho < kProductBands.front().from ? kProductBands.front() : kProductBands.back();
    }

    double same(double density) { return density; }

    constexpr TableScale kCelsius { "15 °C", kBaseTemperature, kMetricTemperatureRange,
        glassFactorCelsius, "1/°C" };
    constexpr TableQuantity kDensity { "density", "kg/m3", same, same };

    constexpr CompanionTable k53A { "53A", "generalized crude oils", kCelsius, kDensity,
        kCrudeDensityRange, crudeBand };
    constexpr CompanionTable k53B { "53B", "generalized products", kCelsius, kDensity,
        kProductDensityRange, productBand };
    constexpr CompanionTable k54A { "54A", "generalized crude oils", kCelsius, kDensity,
        kCrudeDensityRange, crudeBand };
    constexpr CompanionTable k54B { "54B", "generalized products", kCelsius, kDensity,
        kProductDensityRange, productBand };

} // namespace

TableResult table53A(double observedDensity, double temperature, Hydrometer hydrometer)
{
    return readingToBase(k53A, observedDensity, temperature, hydrometer, kDensityDecimals);
}

TableResult table53B(double observedDensity, double temperature, Hydrometer hydrometer)
{
    return readingToBase(k53B, observedDensity, temperature, hydrometer, kDensityDecimals);
}

TableResult table54A(double density15, double temperature)
{
    return factorToBase(k54A, density15, temperature, kFactorTableDecimals);
}

TableResult table54B(double density15, double temperature)
{
    return factorToBase(k54B, density15, temperature, kFactorTableDecimals);
}

} // namespace corvald::calc
