// The machinery shared by the companion tables: what sets one table apart from
// another is its scale (15 °C or 60 °F), the quantity it reads (density or API
// gravity), its range and the band that a base density falls in.
#pragma once

#include "calc/hydrometer.h"
#include "calc/product_bands.h"
#include "calc/table_range.h"
#include "calc/table_result.h"

#include <string_view>

namespace corvald::calc {

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
    double (*toDensity)(double value); // kg/m3
    double (*fromDensity)(double density);
};

struct CompanionTable {
    std::string_view name; // "53A"
    std::string_view product; // "generalized crude oils"
    const TableScale& scale;
    const TableQuantity& quantity;
    const TableRange& range; // of the quantity, observed and at the base temperature
    const ProductBand& (*bandAt)(double density);
};

// The quantity at the base temperature from one observed at t, rounded to
// `decimals`; a glass reading is corrected first.
TableResult readingToBase(
    const CompanionTable& table, double observed, double t, Hydrometer hydrometer, int decimals);

// The volume correction factor to the base temperature, rounded to `decimals`.
TableResult factorToBase(const CompanionTable& table, double atBase, double t, int decimals);

} // namespace corvald::calc
