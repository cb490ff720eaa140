// What a table of the 2004 edition is: crude oils (A), refined products (B), a given
// thermal expansion coefficient (C) or lubricating oils (D) at the 60 °F, 15 °C or 20 °C base,
// either from a reading to the density at the base or from the density at the base to the factors
// at a reading. The tables themselves are registered in tables_2004.cpp.
#pragma once

#include "calc/edition2004/commodity_group.h"

#include <string_view>

namespace corvald::calc::edition2004 {

enum class TableBasis { fahrenheit60, celsius15, celsius20 };
enum class TableDirection { toBase, fromBase };

struct Edition2004Table {
    std::string_view name;
    Commodity commodity;
    TableBasis basis;
    TableDirection direction;
    std::string_view title;
};

} // namespace corvald::calc::edition2004
