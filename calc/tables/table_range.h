// The ranges over which the tables are defined, each with where it is published,
// and the narrower temperature limits of the light grades. A value outside is
// refused, never extrapolated.
#pragma once

#include "calc/tables/sources.h"

#include <span>
#include <string>
#include <string_view>

namespace corvald::calc::tables {

struct TableRange {
    double lowest; // both bounds inside
    double highest;
    std::string_view unit; // "kg/m3", "°API", "°C", "°F"
    std::string_view source; // one of sources.h, or why the range is what it is
};

// The highest temperature of the grades up to a base value (both in the units of the
// table); the last limit holds for every grade above the one before it.
struct TemperatureLimit {
    double upToBase;
    double highestTemperature;
};

// Densities at 15 °C of the crude tables: the window's own range (VCF53A), the crude
// range of 1980 widened to the window's 610. source: kKrohneUfm3030
inline constexpr TableRange kCrudeDensityRange { 610, 1075, "kg/m3", kKrohneUfm3030 };
// Densities at 15 °C of the product tables: published from 653; the product bands of
// the refined-product factor begin at 654 and end at 1074.9, and no coefficient exists
// outside them. source: kLiquidControlsLcr
inline constexpr TableRange kProductDensityRange { 654, 1074.9, "kg/m3", kLiquidControlsLcr };
// Temperatures of the metric tables: the span of the °F tables (0 to 300 °F); no
// narrower published limit for light grades was found for them.
inline constexpr TableRange kMetricTemperatureRange { -18, 150, "°C",
    "the span of the °F tables, 0 to 300 °F; no published limits by grade found" };

// API gravities at 60 °F and temperatures of the °F tables. source: kMtsLevelPlus
inline constexpr TableRange kCrudeApiRange { 0, 100, "°API", kMtsLevelPlus };
inline constexpr TableRange kProductApiRange { 0, 85, "°API", kMtsLevelPlus };
inline constexpr TableRange kFahrenheitTemperatureRange { 0, 300, "°F", kMtsLevelPlus };
// The °F tables' light grades are published over narrower temperatures: up to
// 40.0 °API 0 to 300 °F, 40.1 to 50.0 °API up to 250 °F, above 50 °API up to 200 °F.
// source: kMtsLevelPlus
inline constexpr TemperatureLimit kApiTemperatureLimits[]
    = { { 40.0, 300 }, { 50.0, 250 }, { 100, 200 } };

// The range as a message states it: "654 to 1074.9 kg/m3".
std::string rangeText(const TableRange& range);

// Returns value, or raises OutOfRange naming the quantity, the value, the table and
// the range: "observed density 1100 kg/m3 is outside table 53A: 610 to 1075 kg/m3".
double checkedInRange(
    std::string_view quantity, double value, const TableRange& range, std::string_view table);

// Raises OutOfRange when t lies above the limit of the grade of baseValue (taken to its
// nearest tenth, as the grades are drawn), naming the grade's limit.
// "temperature 300 °F is above the limit of table 6B for API gravity at 60 °F 85 °API:
// 0 to 200 °F".
struct LimitCheck {
    std::string_view table;
    std::string_view baseName; // "API gravity at 60 °F"
    const TableRange& baseRange;
    const TableRange& temperatures;
};
void checkTemperatureLimit(
    std::span<const TemperatureLimit> limits, const LimitCheck& check, double baseValue, double t);

} // namespace corvald::calc::tables
