#include "calc/api_tables.h"

#include "calc/api_gravity.h"
#include "calc/base_density.h"
#include "calc/density_tables.h"
#include "calc/number_text.h"
#include "calc/table_range.h"
#include "calc/volume_correction.h"

namespace corvald::calc {

namespace {

    constexpr std::string_view kAlphaUnit = "1/°F";

    Expansion crudeExpansion(double rho)
    {
        constexpr auto form = CoefficientForm::plusSecondTerm;
        return { bandCoefficient(form, kCrudeK0At60F, kCrudeK1At60F, rho),
            bandCoefficientSlope(form, kCrudeK0At60F, kCrudeK1At60F, rho) };
    }

    Expansion productExpansion(double rho)
    {
        const ProductBand& band = apiProductBandFor(apiOfDensity(rho));
        return { bandCoefficient(band.form, band.first, band.second, rho),
            bandCoefficientSlope(band.form, band.first, band.second, rho) };
    }

    void describeCrude(TableResult& r, double rho)
    {
        r.band = "crude oils";
        r.constants = bandConstants(CoefficientForm::plusSecondTerm, kCrudeK0At60F, kCrudeK1At60F);
        r.alpha = crudeExpansion(rho).alpha;
        r.alphaUnit = kAlphaUnit;
    }

    void describeProduct(TableResult& r, double rho)
    {
        const ProductBand& band = apiProductBandFor(apiOfDensity(rho));
        r.band = band.name;
        r.constants = bandConstants(band.form, band.first, band.second);
        r.alpha = productExpansion(rho).alpha;
        r.alphaUnit = kAlphaUnit;
    }

    using ExpansionAt = Expansion (*)(double);
    using Describe = void (*)(TableResult&, double);

    struct FahrenheitTable {
        std::string_view name;
        std::string_view product;
        const TableRange& api;
        ExpansionAt expansion;
        Describe describe;
    };

    constexpr FahrenheitTable k5A { "5A", "generalized crude oils", kCrudeApiRange, crudeExpansion,
        describeCrude };
    constexpr FahrenheitTable k5B { "5B", "generalized products", kProductApiRange,
        productExpansion, describeProduct };
    constexpr FahrenheitTable k6A { "6A", "generalized crude oils", kCrudeApiRange, crudeExpansion,
        describeCrude };
    constexpr FahrenheitTable k6B { "6B", "generalized products", kProductApiRange,
        productExpansion, describeProduct };

    TableResult apiAt60(
        const FahrenheitTable& table, double observedApi, double temperature, Hydrometer hydrometer)
    {
        checkedInRange("observed API gravity", observedApi, table.api, table.name);
        checkedInRange("temperature", temperature, kFahrenheitTemperatureRange, table.name);
        const double glass
            = hydrometer == Hydrometer::glass ? glassFactorFahrenheit(temperature) : 1.0;
        const double observed = densityOfApi(observedApi) * glass;
        const BaseDensity solved
            = solveBaseDensity(observed, temperature - kFahrenheitBase, table.expansion);
        const double api60 = apiOfDensity(solved.density);
        checkedInRange(
            "API gravity at 60 °F", roundToDecimals(api60, kApiDecimals), table.api, table.name);

        TableResult r;
        r.table = table.name;
        r.title = std::string("API gravity at 60 °F from an observed API gravity, ")
                      .append(table.product);
        r.inputs = { { "observed API gravity", observedApi, "°API" },
            { "temperature", temperature, "°F" } };
        r.hydrometer = hydrometer;
        table.describe(r, solved.density);
        r.iterations = solved.iterations;
        setResult(r, { "API gravity at 60 °F", api60, "°API" }, kApiDecimals);
        return r;
    }

    TableResult factorTo60(const FahrenheitTable& table, double api60, double temperature)
    {
        checkedInRange("API gravity at 60 °F", api60, table.api, table.name);
        checkedInRange("temperature", temperature, kFahrenheitTemperatureRange, table.name);
        TableResult r;
        r.table = table.name;
        r.title = std::string("Volume correction factor to 60 °F, ").append(table.product);
        r.inputs
            = { { "API gravity at 60 °F", api60, "°API" }, { "temperature", temperature, "°F" } };
        table.describe(r, densityOfApi(api60));
        const double factor = volumeCorrection(r.alpha, temperature - kFahrenheitBase);
        setResult(r, { "V.C.F. to 60 °F", factor, "" }, kFactorTableDecimals);
        return r;
    }

} // namespace

TableResult table5A(double observedApi, double temperature, Hydrometer hydrometer)
{
    return apiAt60(k5A, observedApi, temperature, hydrometer);
}

TableResult table5B(double observedApi, double temperature, Hydrometer hydrometer)
{
    return apiAt60(k5B, observedApi, temperature, hydrometer);
}

TableResult table6A(double api60, double temperature)
{
    return factorTo60(k6A, api60, temperature);
}

TableResult table6B(double api60, double temperature)
{
    return factorTo60(k6B, api60, temperature);
}

} // namespace corvald::calc
