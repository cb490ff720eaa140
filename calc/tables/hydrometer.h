// The thermal expansion of a glass hydrometer: a reading taken at t is the density
// that the glass, graduated at the base temperature, shows; the tables correct it
// before anything else, by 1 − linear·(t − base) − quadratic·(t − base)².
#pragma once

namespace corvald::calc::tables {

// glass: the reading is corrected for the glass; none: a density measured
// otherwise (an oscillating-tube meter, a pycnometer) is taken as it is.
enum class Hydrometer { glass, none };

// The glass's coefficients per °C (graduated at 15 °C). source: kGlassExpansion
inline constexpr double kGlassLinearPerCelsius = 0.000023;
inline constexpr double kGlassQuadraticPerCelsius = 0.00000002;
// The same expansion per °F (graduated at 60 °F): the coefficients per °C divided by
// 1.8 and 1.8², to the digits the °F tables carry. source: kGlassExpansion
inline constexpr double kGlassLinearPerFahrenheit = 0.00001278;
inline constexpr double kGlassQuadraticPerFahrenheit = 0.0000000062;

// The factor for a reading at t °C.
double glassFactorCelsius(double t);
// The factor for a reading at t °F.
double glassFactorFahrenheit(double t);

} // namespace corvald::calc::tables
