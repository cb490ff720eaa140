// The 2004 edition's correlations were fitted on IPTS-68 temperatures; a reading today
// is on ITS-90. The conversion here moves a reading to the scale of the correlations.
#pragma once

namespace corvald::calc::edition2004 {

// source kMpms2004: the IPTS-68 temperature of an ITS-90 temperature, both in °F.
// t90 in °C, τ = t90/630, t68 = t90 − τ·(a1 + a2·τ + … + a8·τ⁷).
double ipts68Fahrenheit(double its90Fahrenheit);

// source kNistSp811: t/°F = 1.8·t/°C + 32.
inline constexpr double kDegreesFahrenheitPerCelsius = 1.8;
inline constexpr double kFahrenheitOfZeroCelsius = 32.0;

constexpr double fahrenheitOfCelsius(double celsius)
{
    return kDegreesFahrenheitPerCelsius * celsius + kFahrenheitOfZeroCelsius;
}

constexpr double celsiusOfFahrenheit(double fahrenheit)
{
    return (fahrenheit - kFahrenheitOfZeroCelsius) / kDegreesFahrenheitPerCelsius;
}

} // namespace corvald::calc::edition2004
