#include "calc/companion_table.h"

#include "calc/base_density.h"
#include "calc/number_text.h"
#include "calc/volume_correction.h"

#include <cctype>
#include <string>

namespace corvald::calc {

namespace {

    std::string capitalized(std::string text)
    {
        text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
        return text;
    }

    std::string atBaseName(const CompanionTable& table)
    {
        return std::string(table.quantity.name).append(" at ").append(table.scale.base);
    }

    Expansion expansionIn(const ProductBand& band, double rho)
    {
        return { bandCoefficient(band.form, band.first, band.second, rho),
            bandCoefficientSlope(band.form, band.first, band.second, rho) };
    }

    TableResult described(const CompanionTable& table, double density, std::string title)
    {
        const ProductBand& band = table.bandAt(density);
        TableResult r;
        r.table = table.name;
        r.title = std::move(title.append(", ").append(table.product));
        r.band = band.name;
        r.constants = bandConstants(band.form, band.first, band.second);
        r.alpha = expansionIn(band, density).alpha;
        r.alphaUnit = table.scale.alphaUnit;
        return r;
    }

} // namespace

TableResult readingToBase(
    const CompanionTable& table, double observed, double t, Hydrometer hydrometer, int decimals)
{
    const std::string observedName = "observed " + std::string(table.quantity.name);
    checkedInRange(observedName, observed, table.range, table.name);
    checkedInRange("temperature", t, table.scale.temperatures, table.name);
    const double glass = hydrometer == Hydrometer::glass ? table.scale.glassFactor(t) : 1.0;
    const auto bandAt = table.bandAt;
    const BaseDensity solved = solveBaseDensity(table.quantity.toDensity(observed) * glass,
        t - table.scale.baseTemperature,
        [bandAt](double rho) { return expansionIn(bandAt(rho), rho); });
    const double atBase = table.quantity.fromDensity(solved.density);
    // The solved value is known to the tolerance only: its printed value is held
    // against the range, so that a bound itself is not refused for a last-digit excess.
    checkedInRange(atBaseName(table), roundToDecimals(atBase, decimals), table.range, table.name);

    TableResult r = described(table, solved.density,
        capitalized(atBaseName(table)) + " from an observed " + std::string(table.quantity.name));
    r.inputs = { { observedName, observed, std::string(table.quantity.unit) },
        { "temperature", t, std::string(table.scale.temperatures.unit) } };
    r.hydrometer = hydrometer;
    r.iterations = solved.iterations;
    setResult(r, { atBaseName(table), atBase, std::string(table.quantity.unit) }, decimals);
    return r;
}

TableResult factorToBase(const CompanionTable& table, double atBase, double t, int decimals)
{
    checkedInRange(atBaseName(table), atBase, table.range, table.name);
    checkedInRange("temperature", t, table.scale.temperatures, table.name);
    TableResult r = described(table, table.quantity.toDensity(atBase),
        "Volume correction factor to " + std::string(table.scale.base));
    r.inputs = { { atBaseName(table), atBase, std::string(table.quantity.unit) },
        { "temperature", t, std::string(table.scale.temperatures.unit) } };
    const double factor = volumeCorrection(r.alpha, t - table.scale.baseTemperature);
    setResult(r, { "V.C.F. to " + std::string(table.scale.base), factor, "" }, decimals);
    return r;
}

} // namespace corvald::calc
