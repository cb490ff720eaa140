// The thermal expansion of a glass hydrometer: a reading taken at t is the density
// that the glass, graduated at the base temperature, shows; the printed tables
// correct it before anything else.
#pragma once

namespace corvald::calc {

// glass: the reading is corrected for the glass; none: a density measured
// otherwise (an oscillating-tube meter, a pycnometer) is taken as it is.
enum class Hydrometer { glass, none };

// The factor for a reading at t °C (graduated at 15 °C):
// 1 − 0.000023·(t − 15) − 0.00000002·(t − 15)².
double glassFactorCelsius(double t);

// The same expansion for a reading at t °F (graduated at 60 °F), its coefficients
// per °F (÷ 1.8 and ÷ 1.8², to the digits the °F tables carry):
// 1 − 0.00001278·(t − 60) − 0.0000000062·(t − 60)².
double glassFactorFahrenheit(double t);

} // namespace corvald::calc
