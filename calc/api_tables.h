// The °F companion tables of ASTM D1250-80: 5A and 5B give the API gravity at
// 60 °F from an API gravity observed at t °F (crude oils and generalized products),
// 6A and 6B the volume correction factor to 60 °F. The formula is the window's, on
// Δt = t − 60 °F with the constants at 60 °F. A value outside a table's range, given
// or solved, raises OutOfRange.
#pragma once

#include "calc/table_result.h"

namespace corvald::calc {

// API gravities at 60 °F are printed to 0.01 °API, factors to four decimals.
inline constexpr int kApiDecimals = 2;

TableResult table5A(double observedApi, double temperature, Hydrometer hydrometer);
// The band is that of the API gravity at 60 °F, chosen afresh at each step.
TableResult table5B(double observedApi, double temperature, Hydrometer hydrometer);

TableResult table6A(double api60, double temperature);
TableResult table6B(double api60, double temperature);

} // namespace corvald::calc
