// What a companion table gives back, complete enough to be checked by hand: the
// table, the inputs as read, the constants and the coefficient used, and the
// result unrounded and rounded as the table prints it.
#pragma once

#include "calc/product_bands.h"
#include "calc/tables/hydrometer.h"

#include <optional>
#include <string>
#include <vector>

namespace corvald::calc::tables {

struct TableValue {
    std::string name; // "observed density", "K0", ...
    double value;
    std::string unit; // empty for a pure number
};

enum class BaseChoice { oneFits, betweenBands, twoFit };

struct TableResult {
    std::string table; // "53A", "6B", ...
    std::string title; // what the table gives, for the first line of the text
    std::vector<TableValue> inputs; // as read
    std::optional<Hydrometer> hydrometer; // for the tables that take a reading
    std::string band; // "crude oils", or the product band used
    std::vector<TableValue> constants; // K0 and K1, or A and B in the transition zone
    double alpha = 0;
    std::string alphaUnit; // "1/°C" or "1/°F"
    TableValue result; // unrounded
    int decimals = 0; // places of the rounded result
    std::string rounded; // the result with exactly `decimals` places
    int iterations = 0; // Newton steps taken to find a base density; 0 for a factor table
    // How the base value was chosen among the bands: one fits; none fits and the band
    // that strays least past its bound was taken; two or more fit and the nearest to the
    // reading was taken. The other bands' answers are under `others`, named by band.
    BaseChoice choice = BaseChoice::oneFits;
    std::vector<TableValue> others;
};

// The constants of a band as the standard names them: K0 and K1, or A and B in the
// transition zone, where alpha = A + B / rho².
std::vector<TableValue> bandConstants(CoefficientForm form, double first, double second);

// The result's value under its name and unit, rounded to `decimals` places.
void setResult(TableResult& result, TableValue value, int decimals);

} // namespace corvald::calc::tables
