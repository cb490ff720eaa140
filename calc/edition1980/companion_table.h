// The machinery shared by the companion tables of 1980: what sets one table apart
// from another is its scale (15 °C or 60 °F), the quantity it reads (density or API
// gravity), its range, its bands and the temperature limits of its grades.
#pragma once

#include "calc/edition1980/tables_1980.h"
#include "calc/number_text.h"
#include "calc/product_bands.h"
#include "calc/tables/registry.h"

#include <span>
#include <string_view>

namespace corvald::calc::edition1980 {

using tables::TableInputs;
using tables::TableRange;
using tables::TableResult;

struct TableScale {
    std::string_view base; // "15 °C"
    double baseTemperature;
    const TableRange& temperatures;
    double (*glassFactor)(double t);
    std::string_view alphaUnit;
};

struct TableQuantity {
    std::string_view name; // "density", "API gravity"
    std::string_view unit;
    int decimals; // the resolution of a reading and of the value at the base temperature
    double (*toDensity)(double value); // kg/m3
    double (*fromDensity)(double density);
};

struct CompanionTable {
    std::string_view name; // "53A"
    std::string_view product; // "generalized crude oils"
    const TableScale& scale;
    const TableQuantity& quantity;
    const TableRange& range; // of the quantity at the base temperature
    // Drawn on tenths of the quantity, both bounds inside; a value takes the band of its
    // nearest tenth, a value beyond the outer bands the nearest outer band.
    std::span<const ProductBand> bands;
    std::span<const tables::TemperatureLimit> limits;
};

// The quantity at the base temperature from one observed at t; a glass reading is
// corrected first. Each band's answer is solved with that band's constants; the one
// whose answer lies in its own band is taken (see BaseChoice for the other cases).
TableResult readingToBase(const CompanionTable& table, const TableInputs& inputs);

// The volume correction factor to the base temperature.
TableResult factorToBase(const CompanionTable& table, const TableInputs& inputs);

// The registry's entry of a table, with its procedure.
template <const CompanionTable& table> constexpr tables::TableEntry readingEntry()
{
    return { kEdition, table.name, table.product, tables::TableKind::reading, table.scale.base,
        { table.quantity.name, table.quantity.unit, table.quantity.decimals },
        { table.quantity.name, table.quantity.unit, table.quantity.decimals }, table.range,
        table.scale.temperatures, table.limits,
        [](const TableInputs& inputs) { return readingToBase(table, inputs); }, nullptr };
}

template <const CompanionTable& table> constexpr tables::TableEntry factorEntry()
{
    return { kEdition, table.name, table.product, tables::TableKind::factor, table.scale.base,
        { table.quantity.name, table.quantity.unit, table.quantity.decimals },
        { "V.C.F.", "", kFactorDecimals }, table.range, table.scale.temperatures, table.limits,
        [](const TableInputs& inputs) { return factorToBase(table, inputs); }, nullptr };
}

} // namespace corvald::calc::edition1980
