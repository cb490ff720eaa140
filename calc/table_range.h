// The ranges of density, API gravity and temperature over which the companion
// tables are defined. A value outside is refused, never extrapolated.
#pragma once

#include <string_view>

namespace corvald::calc {

struct TableRange {
    double lowest; // both bounds inside
    double highest;
    std::string_view unit; // "kg/m3", "°API", "°C", "°F"
};

// Densities at 15 °C of the crude tables: the window's own range (VCF53A), which is
// the crude range of ASTM D1250-80 (610.5 to 1075.0 kg/m3 in the KROHNE UFM 3030
// manual, p. 33) widened to the window's 610.
inline constexpr TableRange kCrudeDensityRange { 610, 1075, "kg/m3" };
// Densities at 15 °C of the product tables: ASTM D1250-80 gives 653 to 1075 kg/m3
// (Liquid Controls LCR setup and operation guide, appendix A, "API Table 54B 653.0 to
// 1075.0"); the product bands of the refined-product factor begin at 654 and end at
// 1074.9, and no coefficient exists outside them.
inline constexpr TableRange kProductDensityRange { 654, 1074.9, "kg/m3" };
// Temperatures of the metric tables: the commonly stated −18 to 150 °C of ASTM
// D1250-80 (0 to 300 °F, the span of the °F tables below).
inline constexpr TableRange kMetricTemperatureRange { -18, 150, "°C" };

// API gravities at 60 °F and temperatures of Tables 5A/6A and 5B/6B, as listed in the
// MTS Level Plus manual, "API Table Information": crude oils 0 to 100 °API, generalized
// products 0 to 85 °API, temperatures 0 to 300 °F (the manual narrows the temperature
// for light grades; the whole span is kept here, as the metric tables keep theirs).
inline constexpr TableRange kCrudeApiRange { 0, 100, "°API" };
inline constexpr TableRange kProductApiRange { 0, 85, "°API" };
inline constexpr TableRange kFahrenheitTemperatureRange { 0, 300, "°F" };

// Returns value, or raises OutOfRange naming the quantity, the value, the table and
// the range: "observed density 1100 kg/m3 is outside table 53A: 610 to 1075 kg/m3".
double checkedInRange(
    std::string_view quantity, double value, const TableRange& range, std::string_view table);

} // namespace corvald::calc
