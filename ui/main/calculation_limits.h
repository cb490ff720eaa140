// The constants of the calculation command: the bounds it checks the inputs
// against and the decimals it shows. Shared with corvald-calc, which computes
// the same results without a window.
#pragma once

#include "calc/vcf53a.h"

namespace corvald::ui {

inline constexpr double kAirBuoyancy = 0.0011; // kg/litre: density in vacuum less density in air
inline constexpr double kKilogramsPerCubicMetrePerKgPerLitre = 1000;
inline constexpr double kLowestTemperature = -18; // °C
// The densities (kg/litre) the crude-oil factor covers; outside them it would be 1.
inline constexpr double kLowestDensity
    = calc::kCrudeLowestDensity / kKilogramsPerCubicMetrePerKgPerLitre;
inline constexpr double kHighestDensity
    = calc::kCrudeHighestDensity / kKilogramsPerCubicMetrePerKgPerLitre;
inline constexpr double kLowestQuantity = 0;
inline constexpr int kVolumeDecimals = 3;

} // namespace corvald::ui
