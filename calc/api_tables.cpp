#include "calc/api_tables.h"

#include "calc/api_gravity.h"
#include "calc/companion_table.h"
#include "calc/density_tables.h"

namespace corvald::calc {

namespace {

    constexpr ProductBand kCrudeOils { kCrudeApiRange.lowest, kCrudeApiRange.highest, kCrudeK0At60F,
        kCrudeK1At60F, CoefficientForm::plusSecondTerm, "crude oils" };

    const ProductBand& crudeBand(double) { return kCrudeOils; }

    const ProductBand& productBand(double rho) { return apiProductBandFor(apiOfDensity(rho)); }

    constexpr TableScale kFahrenheit { "60 °F", kFahrenheitBase, kFahrenheitTemperatureRange,
        glassFactorFahrenheit, "1/°F" };
    constexpr TableQuantity kApiGravity { "API gravity", "°API", densityOfApi, apiOfDensity };

    constexpr CompanionTable k5A { "5A", "generalized crude oils", kFahrenheit, kApiGravity,
        kCrudeApiRange, crudeBand };
    constexpr CompanionTable k5B { "5B", "generalized products", kFahrenheit, kApiGravity,
        kProductApiRange, productBand };
    constexpr CompanionTable k6A { "6A", "generalized crude oils", kFahrenheit, kApiGravity,
        kCrudeApiRange, crudeBand };
    constexpr CompanionTable k6B { "6B", "generalized products", kFahrenheit, kApiGravity,
        kProductApiRange, productBand };

} // namespace

TableResult table5A(double observedApi, double temperature, Hydrometer hydrometer)
{
    return readingToBase(k5A, observedApi, temperature, hydrometer, kApiDecimals);
}

TableResult table5B(double observedApi, double temperature, Hydrometer hydrometer)
{
    return readingToBase(k5B, observedApi, temperature, hydrometer, kApiDecimals);
}

TableResult table6A(double api60, double temperature)
{
    return factorToBase(k6A, api60, temperature, kFactorTableDecimals);
}

TableResult table6B(double api60, double temperature)
{
    return factorToBase(k6B, api60, temperature, kFactorTableDecimals);
}

} // namespace corvald::calc
