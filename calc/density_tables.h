// The metric companion tables of ASTM D1250-80 beside the window's factor:
// 53A and 53B give the density at 15 °C from a density observed at t °C (crude
// oils and refined products), 54A and 54B the volume correction factor to 15 °C.
// Densities in kg/m3, temperatures in °C. A value outside a table's range, given or
// solved, raises OutOfRange; the results are rounded as the tables print them.
#pragma once

#include "calc/table_result.h"

namespace corvald::calc {

// Densities at 15 °C are printed to 0.01 kg/m3, factors to four decimals.
inline constexpr int kDensityDecimals = 2;
inline constexpr int kFactorTableDecimals = 4;

// Crude oils, with the window's constants K0 = 613.9723, K1 = 0.
TableResult table53A(double observedDensity, double temperature, Hydrometer hydrometer);
// Refined products, with the band of the density at 15 °C, chosen afresh at each step.
TableResult table53B(double observedDensity, double temperature, Hydrometer hydrometer);

// The window's factor VCF53A, refused outside the crude range instead of being 1.
TableResult table54A(double density15, double temperature);
// The refined-product factor on the exact inputs; a density between two bands takes
// the band of its nearest tenth of a kg/m3.
TableResult table54B(double density15, double temperature);

} // namespace corvald::calc
