// Volume correction factor of generalized crude oils (ASTM D1250-80, table 53A):
// the factor that turns a volume at the observed temperature into the volume at 15 °C.
#pragma once

#include <string_view>

namespace corvald::calc {

// Densities (kg/m3) for which the expansion coefficient is computed; both bounds inside.
inline constexpr double kCrudeLowestDensity = 610;
inline constexpr double kCrudeHighestDensity = 1075;
// The crude-oil constants of ASTM D1250-80.
inline constexpr double kCrudeK0 = 613.9723;
inline constexpr double kCrudeK1 = 0.0;

// The crude-oil expansion coefficient (1/°C) at a density rho (kg/m3), in the
// order of the window's factor: K0 divided by rho twice in turn, then K1 / rho.
double crudeCoefficient(double rho);

// Dens: density at 15 °C in kg/m3. Temp: observed temperature in °C, as a number
// or as the text of the temperature field (a text that is no number raises
// TypeMismatch). Outside 610..1075 kg/m3 the factor is exactly 1. Not rounded.
double VCF53A(double Dens, double Temp);
double VCF53A(double Dens, std::string_view Temp);

} // namespace corvald::calc
