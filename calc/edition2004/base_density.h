// The density at 60 °F of a liquid whose density was observed at another temperature
// and pressure: the inverse of the correction factors, found by iteration.
#pragma once

#include "calc/edition2004/commodity_group.h"
#include "calc/edition2004/correction_factors.h"

namespace corvald::calc::edition2004 {

// source kMpms2004: the iteration ends when its next step on ρ60 is smaller than this
// many kg/m3, at the estimate that step starts from.
inline constexpr double kDensityTolerance = 0.000001;
// The most steps the iteration takes. The slowest readings over the whole range take 6
// (bench/edition2004_bench prints the worst); the bound only ends a reading that would
// not settle.
inline constexpr int kMaxSteps = 100;

struct BaseDensity {
    CorrectionFactors factors; // at the density found, its group re-chosen at each step
    int steps; // the corrections applied before the densities agreed
};

// Raises NoSolution when the densities do not agree within kMaxSteps steps, or the
// estimate leaves the densities a liquid can have (light oils hot under high pressure,
// where the observed density no longer falls with the density at 60 °F); the density
// found is not checked against the commodity's range (the caller names the input).
BaseDensity baseDensity(Commodity commodity, double observedDensity, const Conditions& conditions);

} // namespace corvald::calc::edition2004
