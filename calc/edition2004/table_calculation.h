// One calculation of a 2004 table, with every figure a report shows: the inputs as given
// and as rounded, the group and its constants, the density at the base, the factors
// unrounded and rounded, and the steps of the iteration.
#pragma once

#include "calc/edition2004/commodity_group.h"
#include "calc/edition2004/edition_tables.h"

namespace corvald::calc::edition2004 {

// How the density of a °F table is given; the metric tables take a density.
enum class DensityForm { density, relativeDensity, api };

struct TableRequest {
    DensityForm form = DensityForm::density;
    double density; // in the form's unit: observed (toBase) or at the base (fromBase)
    double temperature; // °F or °C, as the table's basis
    double pressure = 0; // psig or kPa gauge
    bool exact = false; // compute on the inputs as given, not as rounded
    double alpha60 = 0; // 1/°F, given by a special application and taken as given
};

struct Figure {
    double unrounded;
    double rounded;
};

struct TableFigures {
    CommodityGroup group;
    TableRequest used; // the inputs the calculation took: rounded unless exact
    Figure baseDensity; // kg/m3 at the table's base
    Figure baseValue; // at the base in the form of the request (°API, relative density)
    double density60; // kg/m3
    double shiftedDensity; // ρ*, kg/m3
    double alpha60; // 1/°F
    double temperature68; // t*, °F
    Figure ctl, fp, cpl, ctpl; // fp in 10⁻⁵/psi
    int steps; // of the iteration to 60 °F; 0 when none was needed
};

// Raises OutOfRange naming the input as given and the range it missed, NoSolution naming
// the reading when the iteration finds no density at 60 °F.
TableFigures computeTable(const Edition2004Table& table, const TableRequest& request);

} // namespace corvald::calc::edition2004
