// The constants of the calculation command: the bounds it checks the inputs
// against and the decimals it shows. Shared with corvald-calc, which computes
// the same results without a window.
#pragma once

namespace corvald::ui {

inline constexpr double kAirBuoyancy = 0.0011; // kg/litre: density in vacuum less density in air
inline constexpr double kKilogramsPerCubicMetrePerKgPerLitre = 1000;
inline constexpr double kLowestTemperature = -18; // °C
inline constexpr double kLowestDensity = 0.610; // kg/litre, the factor's lower density bound
inline constexpr double kHighestDensity = 1.075; // kg/litre
inline constexpr double kLowestQuantity = 0;
inline constexpr int kFactorDecimals = 4;
inline constexpr int kVolumeDecimals = 3;

} // namespace corvald::ui
