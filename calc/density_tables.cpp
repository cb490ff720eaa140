#include "calc/density_tables.h"

#include "calc/base_density.h"
#include "calc/number_text.h"
#include "calc/table_range.h"
#include "calc/vcf53a.h"
#include "calc/volume_correction.h"

namespace corvald::calc {

namespace {

    constexpr std::string_view kAlphaUnit = "1/°C";

    // The band of a density at 15 °C; an iterate that strays beyond the outer bands
    // on its way keeps the nearest outer band, and the settled density is checked
    // against the range afterwards.
    const ProductBand& productBandFor(double rho)
    {
        if (const ProductBand* band = productBandNearest(rho))
            return *band;
        return rho < kProductBands.front().from ? kProductBands.front() : kProductBands.back();
    }

    Expansion crudeExpansion(double rho)
    {
        return { crudeCoefficient(rho),
            bandCoefficientSlope(CoefficientForm::plusSecondTerm, kCrudeK0, kCrudeK1, rho) };
    }

    Expansion productExpansion(double rho)
    {
        const ProductBand& band = productBandFor(rho);
        return { bandCoefficient(band.form, band.first, band.second, rho),
            bandCoefficientSlope(band.form, band.first, band.second, rho) };
    }

    void describeCrude(TableResult& r, double rho)
    {
        r.band = "crude oils";
        r.constants = bandConstants(CoefficientForm::plusSecondTerm, kCrudeK0, kCrudeK1);
        r.alpha = crudeExpansion(rho).alpha;
        r.alphaUnit = kAlphaUnit;
    }

    void describeProduct(TableResult& r, double rho)
    {
        const ProductBand& band = productBandFor(rho);
        r.band = band.name;
        r.constants = bandConstants(band.form, band.first, band.second);
        r.alpha = productExpansion(rho).alpha;
        r.alphaUnit = kAlphaUnit;
    }

    using ExpansionAt = Expansion (*)(double);
    using Describe = void (*)(TableResult&, double);

    struct MetricTable {
        std::string_view name;
        std::string_view product; // "crude oils", "refined products"
        const TableRange& density;
        ExpansionAt expansion;
        Describe describe;
    };

    constexpr MetricTable k53A { "53A", "generalized crude oils", kCrudeDensityRange,
        crudeExpansion, describeCrude };
    constexpr MetricTable k53B { "53B", "generalized products", kProductDensityRange,
        productExpansion, describeProduct };
    constexpr MetricTable k54A { "54A", "generalized crude oils", kCrudeDensityRange,
        crudeExpansion, describeCrude };
    constexpr MetricTable k54B { "54B", "generalized products", kProductDensityRange,
        productExpansion, describeProduct };

    TableResult densityAt15(
        const MetricTable& table, double observedDensity, double temperature, Hydrometer hydrometer)
    {
        checkedInRange("observed density", observedDensity, table.density, table.name);
        checkedInRange("temperature", temperature, kMetricTemperatureRange, table.name);
        const double observed = hydrometer == Hydrometer::glass
            ? observedDensity * glassFactorCelsius(temperature)
            : observedDensity;
        const BaseDensity solved
            = solveBaseDensity(observed, temperature - kBaseTemperature, table.expansion);
        // The solved density is known to the tolerance only: its printed value is
        // held against the range, so that 1075 itself is not refused for 1075.0000000001.
        checkedInRange("density at 15 °C", roundToDecimals(solved.density, kDensityDecimals),
            table.density, table.name);

        TableResult r;
        r.table = table.name;
        r.title = std::string("Density at 15 °C from an observed density, ").append(table.product);
        r.inputs = { { "observed density", observedDensity, "kg/m3" },
            { "temperature", temperature, "°C" } };
        r.hydrometer = hydrometer;
        table.describe(r, solved.density);
        r.iterations = solved.iterations;
        setResult(r, { "density at 15 °C", solved.density, "kg/m3" }, kDensityDecimals);
        return r;
    }

    TableResult factorTo15(const MetricTable& table, double density15, double temperature)
    {
        checkedInRange("density at 15 °C", density15, table.density, table.name);
        checkedInRange("temperature", temperature, kMetricTemperatureRange, table.name);
        TableResult r;
        r.table = table.name;
        r.title = std::string("Volume correction factor to 15 °C, ").append(table.product);
        r.inputs
            = { { "density at 15 °C", density15, "kg/m3" }, { "temperature", temperature, "°C" } };
        table.describe(r, density15);
        const double factor = volumeCorrection(r.alpha, temperature - kBaseTemperature);
        setResult(r, { "V.C.F. to 15 °C", factor, "" }, kFactorTableDecimals);
        return r;
    }

} // namespace

TableResult table53A(double observedDensity, double temperature, Hydrometer hydrometer)
{
    return densityAt15(k53A, observedDensity, temperature, hydrometer);
}

TableResult table53B(double observedDensity, double temperature, Hydrometer hydrometer)
{
    return densityAt15(k53B, observedDensity, temperature, hydrometer);
}

TableResult table54A(double density15, double temperature)
{
    return factorTo15(k54A, density15, temperature);
}

TableResult table54B(double density15, double temperature)
{
    return factorTo15(k54B, density15, temperature);
}

} // namespace corvald::calc
