// The ranges over which the 2004 tables are defined. A reading outside is refused with
// the range it missed, named in the units it was given in; nothing is extrapolated.
#pragma once

#include "calc/edition2004/edition_tables.h"
#include "calc/edition2004/table_calculation.h"

#include <string>
#include <string_view>

namespace corvald::calc::edition2004 {

// source kMpms2004: −58 to 302 °F (−50 to 150 °C), 0 to 1500 psig. A gauge pressure
// below 0 is taken as 0; below −14.696 psig (an absolute vacuum, a standard
// atmosphere by source kNistSp811) no liquid can be, and it is refused.
inline constexpr double kLowestTemperature = -58.0; // °F
inline constexpr double kHighestTemperature = 302.0; // °F
inline constexpr double kLowestPressure = -14.696; // psig
inline constexpr double kHighestPressure = 1500.0; // psig

// source kMpms2004: the α60 a special application may give, in kAlphaUnit.
inline constexpr double kLowestAlpha60 = 230.0e-6;
inline constexpr double kHighestAlpha60 = 930.0e-6;
inline constexpr std::string_view kAlphaUnit = "1/°F";

// The units a table takes its temperature and gauge pressure in: °C and kPa for the
// metric bases, °F and psig for 60 °F.
std::string_view temperatureUnit(const Edition2004Table& table);
std::string_view pressureUnit(const Edition2004Table& table);

// Raises OutOfRange when the temperature, pressure or given α60 the calculation takes
// (`used`) lies outside; the text names them as given.
void checkConditions(
    const Edition2004Table& table, const TableRequest& given, const TableRequest& used);

// Raises OutOfRange when the density at 60 °F found for the request lies outside the
// commodity's range.
void checkDensity60(const Edition2004Table& table, const TableRequest& given, double density60);

// The gauge pressures the table takes, in its unit: "-14.696 to 1500 psig" or
// "-101.3 to 10342.1 kPa".
std::string pressureRangeText(const Edition2004Table& table);

// The α60 a special application may give: "0.00023 to 0.00093 1/°F".
std::string alphaRangeText();

// "observed density 803.141 kg/m3 at 25.3 °F and 267 psig", as given.
std::string readingText(const Edition2004Table& table, const TableRequest& given);

} // namespace corvald::calc::edition2004
