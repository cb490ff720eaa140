// The figures of a cargo report as exact decimals: a volume or a mass is a
// whole number of thousandths, a factor or a density the decimal it was read
// as. Each product is rounded once, on its exact value, and each sum is exact,
// so that the printed figures add up on paper to the last digit.
#pragma once

#include <string>

namespace corvald::cli::cargo {

// Room for a product of two 15-digit numbers and for the sum of any number of tanks.
__extension__ typedef __int128 Wide;

// The decimals of the volumes (m3) and masses (t) of the report.
inline constexpr int kFigureDecimals = 3;

// units × 10^-scale.
struct Exact {
    Wide units = 0;
    int scale = 0;
};

// The decimal of x's 15 significant digits, the number that its caption shows;
// x lies below 10^18 in magnitude.
Exact exactOf(double x);

// a rounded half away from zero to `decimals` places, in units of 10^-decimals.
Wide rounded(Exact a, int decimals);

// a × b (÷ 10^shift), rounded half away from zero to `decimals` places.
Wide roundedProduct(Exact a, Exact b, int decimals, int shift = 0);

// a − b, exact.
Exact difference(Exact a, Exact b);

// A figure of `decimals` places as the window shows it ("1,234.567", "(2.500)")
// and without grouping, a negative with "-" ("1234.567", "-2.500").
std::string shownFigure(Wide units, int decimals);
std::string plainFigure(Wide units, int decimals);

} // namespace corvald::cli::cargo
