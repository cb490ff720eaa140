#include "calc/edition2004/tables_2004.h"

#include "calc/edition2004/input_ranges.h"
#include "calc/edition2004/standard_rounding.h"
#include "calc/edition2004/temperature_scale.h"

#include <array>

namespace corvald::calc::edition2004 {

namespace {

    using tables::TableEntry;
    using tables::TableKind;
    using tables::TableRange;
    using tables::TableSide;

    // Every table passes through the density at 60 °F; crude oils and refined products
    // cover the same densities there. source: kMpms2004
    constexpr TableRange kDensity60Range { kCrudeOils.lowest, kCrudeOils.highest, "kg/m3",
        tables::kMpms2004 };
    constexpr TableRange kLubricatingDensity60Range { kLubricatingOils.lowest,
        kLubricatingOils.highest, "kg/m3", tables::kMpms2004 };
    constexpr TableRange kFahrenheitTemperatures { kLowestTemperature, kHighestTemperature, "°F",
        tables::kMpms2004 };
    constexpr TableRange kCelsiusTemperatures { celsiusOfFahrenheit(kLowestTemperature),
        celsiusOfFahrenheit(kHighestTemperature), "°C", tables::kMpms2004 };

    // What the tables of a number customarily take; the °F tables take any of the three.
    constexpr TableSide kApiGravity { "API gravity", "°API", kApiResolution.decimals };
    constexpr TableSide kRelativeDensity { "relative density", "",
        kRelativeDensityResolution.decimals };
    constexpr TableSide kDensity { "density", "kg/m3", kDensityResolution.decimals };
    constexpr TableSide kFactors { "CTL, CPL and CTPL", "", kFactorResolution.decimals };

    constexpr std::string_view commodityName(Commodity c)
    {
        return c == Commodity::crudeOils      ? "crude oils"
            : c == Commodity::refinedProducts ? "refined products"
            : c == Commodity::lubricatingOils ? "lubricating oils"
                                              : "special applications";
    }

    constexpr TableEntry entry(const Edition2004Table& t, const TableSide& takes)
    {
        const bool lubricating = t.commodity == Commodity::lubricatingOils;
        const bool toBase = t.direction == TableDirection::toBase;
        const bool fahrenheit = t.basis == TableBasis::fahrenheit60;
        return { kEdition, t.name, commodityName(t.commodity),
            toBase ? TableKind::reading : TableKind::factor,
            fahrenheit                             ? "60 °F"
                : t.basis == TableBasis::celsius15 ? "15 °C"
                                                   : "20 °C",
            takes, toBase ? takes : kFactors,
            lubricating ? kLubricatingDensity60Range : kDensity60Range,
            fahrenheit ? kFahrenheitTemperatures : kCelsiusTemperatures, {}, nullptr, &t };
    }

    constexpr auto kCrude = Commodity::crudeOils;
    constexpr auto kProducts = Commodity::refinedProducts;
    constexpr auto kLubricating = Commodity::lubricatingOils;
    constexpr auto kSpecial = Commodity::specialApplications;
    constexpr auto k60F = TableBasis::fahrenheit60;
    constexpr auto k15C = TableBasis::celsius15;
    constexpr auto k20C = TableBasis::celsius20;
    constexpr auto kToBase = TableDirection::toBase;
    constexpr auto kFromBase = TableDirection::fromBase;

    constexpr Edition2004Table k5A { "5A", kCrude, k60F, kToBase,
        "API gravity at 60 °F of crude oils" };
    constexpr Edition2004Table k5B { "5B", kProducts, k60F, kToBase,
        "API gravity at 60 °F of refined products" };
    constexpr Edition2004Table k6A { "6A", kCrude, k60F, kFromBase,
        "volume correction to 60 °F of crude oils" };
    constexpr Edition2004Table k6B { "6B", kProducts, k60F, kFromBase,
        "volume correction to 60 °F of refined products" };
    constexpr Edition2004Table k23A { "23A", kCrude, k60F, kToBase,
        "relative density 60/60 °F of crude oils" };
    constexpr Edition2004Table k23B { "23B", kProducts, k60F, kToBase,
        "relative density 60/60 °F of refined products" };
    constexpr Edition2004Table k24A { "24A", kCrude, k60F, kFromBase,
        "volume correction to 60 °F of crude oils" };
    constexpr Edition2004Table k24B { "24B", kProducts, k60F, kFromBase,
        "volume correction to 60 °F of refined products" };
    constexpr Edition2004Table k53A { "53A", kCrude, k15C, kToBase,
        "density at 15 °C of crude oils" };
    constexpr Edition2004Table k53B { "53B", kProducts, k15C, kToBase,
        "density at 15 °C of refined products" };
    constexpr Edition2004Table k54A { "54A", kCrude, k15C, kFromBase,
        "volume correction to 15 °C of crude oils" };
    constexpr Edition2004Table k54B { "54B", kProducts, k15C, kFromBase,
        "volume correction to 15 °C of refined products" };
    constexpr Edition2004Table k59A { "59A", kCrude, k20C, kToBase,
        "density at 20 °C of crude oils" };
    constexpr Edition2004Table k59B { "59B", kProducts, k20C, kToBase,
        "density at 20 °C of refined products" };
    constexpr Edition2004Table k60A { "60A", kCrude, k20C, kFromBase,
        "volume correction to 20 °C of crude oils" };
    constexpr Edition2004Table k60B { "60B", kProducts, k20C, kFromBase,
        "volume correction to 20 °C of refined products" };

    constexpr Edition2004Table k5D { "5D", kLubricating, k60F, kToBase,
        "API gravity at 60 °F of lubricating oils" };
    constexpr Edition2004Table k6C { "6C", kSpecial, k60F, kFromBase,
        "volume correction to 60 °F for a given thermal expansion coefficient" };
    constexpr Edition2004Table k24C { "24C", kSpecial, k60F, kFromBase,
        "volume correction to 60 °F for a given thermal expansion coefficient" };
    constexpr Edition2004Table k6D { "6D", kLubricating, k60F, kFromBase,
        "volume correction to 60 °F of lubricating oils" };
    constexpr Edition2004Table k23D { "23D", kLubricating, k60F, kToBase,
        "relative density 60/60 °F of lubricating oils" };
    constexpr Edition2004Table k24D { "24D", kLubricating, k60F, kFromBase,
        "volume correction to 60 °F of lubricating oils" };
    constexpr Edition2004Table k53D { "53D", kLubricating, k15C, kToBase,
        "density at 15 °C of lubricating oils" };
    constexpr Edition2004Table k54D { "54D", kLubricating, k15C, kFromBase,
        "volume correction to 15 °C of lubricating oils" };
    constexpr Edition2004Table k59D { "59D", kLubricating, k20C, kToBase,
        "density at 20 °C of lubricating oils" };
    constexpr Edition2004Table k60D { "60D", kLubricating, k20C, kFromBase,
        "volume correction to 20 °C of lubricating oils" };

    constexpr std::array<TableEntry, 26> kTables { entry(k5A, kApiGravity), entry(k5B, kApiGravity),
        entry(k5D, kApiGravity), entry(k6A, kApiGravity), entry(k6B, kApiGravity),
        entry(k6C, kApiGravity), entry(k6D, kApiGravity), entry(k23A, kRelativeDensity),
        entry(k23B, kRelativeDensity), entry(k23D, kRelativeDensity), entry(k24A, kRelativeDensity),
        entry(k24B, kRelativeDensity), entry(k24C, kRelativeDensity), entry(k24D, kRelativeDensity),
        entry(k53A, kDensity), entry(k53B, kDensity), entry(k53D, kDensity), entry(k54A, kDensity),
        entry(k54B, kDensity), entry(k54D, kDensity), entry(k59A, kDensity), entry(k59B, kDensity),
        entry(k59D, kDensity), entry(k60A, kDensity), entry(k60B, kDensity),
        entry(k60D, kDensity) };

} // namespace

std::span<const TableEntry> editionTables() { return kTables; }

const Edition2004Table* edition2004Table(std::string_view name)
{
    const TableEntry* table = tables::findTable(kEdition, name);
    return table ? table->edition2004 : nullptr;
}

} // namespace corvald::calc::edition2004
