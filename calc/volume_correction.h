// The correction of ASTM D1250-80 shared by the crude-oil and the product
// factors: with the expansion coefficient alpha (1/°C) and the difference
// deltaT = t - 15 °C, V.C.F. = exp(-alpha·deltaT·(1 + 0.8·alpha·deltaT)).
#pragma once

namespace corvald::calc {

inline constexpr double kBaseTemperature = 15.0; // °C, the reference temperature
inline constexpr double kQuadraticFactor = 0.8; // of the ASTM D1250-80 exponent

// The factor for alpha and deltaT, evaluated in the order that fixes its last
// bits: p = (-deltaT)·alpha, q = (0.8·deltaT)·alpha, s = 1 + q, exp(p·s).
// Raises Overflow when an intermediate result is not finite.
double volumeCorrection(double alpha, double deltaT);

} // namespace corvald::calc
