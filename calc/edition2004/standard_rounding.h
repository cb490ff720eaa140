// How the 2004 edition rounds (source kMpms2004): it rounds each input to its resolution
// before the calculation and each result after it, ties away from zero.
#pragma once

namespace corvald::calc::edition2004 {

// The resolution of an input or a result, as a step of its unit: densities in kg/m3 to
// 0.1, relative densities to 0.0001, API gravities to 0.1 °API, temperatures to 0.1 °F or
// 0.05 °C, pressures to 1 psig or 5 kPa; factors to 0.00001 and Fp to 0.001.
struct Resolution {
    int decimals; // of the step's last digit
    int perUnit; // steps per unit of that digit: 1, or 2 for a step of 5 in it
};

inline constexpr Resolution kDensityResolution { 1, 1 };
inline constexpr Resolution kRelativeDensityResolution { 4, 1 };
inline constexpr Resolution kApiResolution { 1, 1 };
inline constexpr Resolution kFahrenheitResolution { 1, 1 };
inline constexpr Resolution kCelsiusResolution { 1, 2 }; // 0.05 °C
inline constexpr Resolution kPsiResolution { 0, 1 };
inline constexpr Resolution kKilopascalResolution { -1, 2 }; // 5 kPa
inline constexpr Resolution kFactorResolution { 5, 1 };
inline constexpr Resolution kFpResolution { 3, 1 };

// x rounded to the nearest step of the resolution.
double rounded(double x, Resolution resolution);

} // namespace corvald::calc::edition2004
