// Rounding to the grid of the product tables: temperatures to quarter degrees,
// densities to the grid density, a whole number of kg/m3.
#pragma once

#include <optional>
#include <string_view>

namespace corvald::calc {

// The grid temperature of a null (absent) temperature.
inline constexpr double kNullGridTemperature = 100000;

// The temperature (°C) rounded to the nearest quarter degree, symmetrically
// about zero; a fraction goes up only from 0.126, 0.376, 0.626 and 0.876 on
// (judged on the double, so 2.126 gives 2). An empty temperature gives
// kNullGridTemperature; a text that is no number raises TypeMismatch.
double TempCorr(std::optional<double> Temp);
double TempCorr(std::string_view Temp);

// The grid step of Density. The grid densities are the even whole numbers of
// kg/m3: an even argument is its own grid density, an odd one goes to the next
// whole number up (so 699 and 700 both give 700, 701 gives 702).
double Even(double wholeDensity);

// The grid density (kg/m3) of a density: Even of its integer part (the greatest
// whole number not above it), rounded to a whole number.
double Density(double Dens);

// Replaces Dens by its grid density, then returns the product expansion
// coefficient of the grid density's band, or empty when it is in no band.
std::optional<double> Density54b(double& Dens);

} // namespace corvald::calc
