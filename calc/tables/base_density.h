// The density at the base temperature (15 °C or 60 °F) of an oil whose density at
// the observed temperature is known: the rho for which rho · V.C.F.(rho) equals the
// observed density. The factor depends on rho through the expansion coefficient, so
// rho is found by Newton's method on f(rho) = rho · V.C.F.(rho) − observed, from rho =
// observed, with the constants of one band held fixed (the caller chooses among the
// bands' answers). (A plain fixed-point iteration rho ← observed / V.C.F.(rho) does not
// settle in the products' transition zone above about 100 °C: there each step
// multiplies the error by 2·(B/rho²)·Δt, which passes 1.)
#pragma once

#include <functional>

namespace corvald::calc::tables {

// A step shorter than this (kg/m3) ends the iteration; Newton's steps shrink
// quadratically, so the error left is far below it.
inline constexpr double kBaseDensityTolerance = 1e-9;
// A limit far above the worst case over the tables' ranges (bench/table_iterations).
inline constexpr int kMostIterations = 50;

// The expansion coefficient at a base density and its change per kg/m3.
struct Expansion {
    double alpha;
    double slope; // d alpha / d rho
};

struct BaseDensity {
    double density; // kg/m3
    int iterations; // Newton steps taken
};

// deltaT: the observed temperature less the base temperature. Raises NoSolution when
// the steps have not settled after kMostIterations.
BaseDensity solveBaseDensity(
    double observed, double deltaT, const std::function<Expansion(double)>& expansionAt);

} // namespace corvald::calc::tables
