// How corvald-calc writes one calculation of a 2004 table: lines of text, or one JSON
// object that holds every figure of it.
#pragma once

#include "calc/edition2004/table_calculation.h"

#include <iosfwd>

namespace corvald::cli {

struct Edition2004Report {
    const calc::edition2004::Edition2004Table& table;
    calc::edition2004::TableRequest given;
    calc::edition2004::TableFigures figures;
};

// The unrounded figures are printed with --exact only; the last line is the result.
void printEdition2004Text(std::ostream& out, const Edition2004Report& report);

// Every figure, rounded and unrounded, whether or not --exact was given.
void printEdition2004Json(std::ostream& out, const Edition2004Report& report);

} // namespace corvald::cli
