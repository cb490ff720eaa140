#include "cli/cargo/exact_figure.h"

#include "calc/decimal_digits.h"
#include "calc/number_text.h"

#include <algorithm>

namespace corvald::cli::cargo {

namespace {

    // Below 2^127 / 2: the largest power of ten whose remainders can be doubled.
    constexpr int kLargestPower = 37;

    constexpr Wide powerOfTen(int k)
    {
        Wide p = 1;
        while (k-- > 0)
            p *= 10;
        return p;
    }

    Wide magnitude(Wide v) { return v < 0 ? -v : v; }

    // units × 10^-scale in units of 10^-decimals, rounded half away from zero.
    // The magnitude of units stays below 10^31, so a shift past the largest
    // power leaves less than half a unit: zero.
    Wide rescaled(Wide units, int scale, int decimals)
    {
        if (scale <= decimals)
            return units * powerOfTen(decimals - scale);
        const int shift = scale - decimals;
        if (shift > kLargestPower)
            return 0;
        const Wide p = powerOfTen(shift);
        Wide q = magnitude(units) / p;
        if (2 * (magnitude(units) % p) >= p)
            ++q;
        return units < 0 ? -q : q;
    }

    std::string wholeDigits(Wide v)
    {
        std::string digits;
        for (; v > 0; v /= 10)
            digits += static_cast<char>('0' + static_cast<int>(v % 10));
        std::reverse(digits.begin(), digits.end());
        return digits;
    }

} // namespace

Exact exactOf(double x)
{
    const calc::DecimalDigits d = calc::significantDigits(x);
    Wide units = 0;
    for (const char digit : d.digits)
        units = units * 10 + (digit - '0');
    if (d.negative)
        units = -units;
    if (d.exponent >= 0)
        return { units * powerOfTen(d.exponent), 0 };
    return { units, -d.exponent };
}

Wide rounded(Exact a, int decimals) { return rescaled(a.units, a.scale, decimals); }

Wide roundedProduct(Exact a, Exact b, int decimals, int shift)
{
    return rescaled(a.units * b.units, a.scale + b.scale + shift, decimals);
}

Exact difference(Exact a, Exact b)
{
    const int scale = std::max(a.scale, b.scale);
    return { a.units * powerOfTen(scale - a.scale) - b.units * powerOfTen(scale - b.scale), scale };
}

std::string shownFigure(Wide units, int decimals)
{
    calc::DecimalDigits d;
    d.negative = units < 0;
    d.digits = wholeDigits(magnitude(units));
    d.exponent = -decimals;
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
    if (d.digits.empty())
        d = {};
    return calc::displayDigits(d, decimals);
}

std::string plainFigure(Wide units, int decimals)
{
    std::string text = shownFigure(units, decimals);
    std::erase(text, ',');
    if (units < 0) {
        text.front() = '-';
        text.pop_back();
    }
    return text;
}

} // namespace corvald::cli::cargo
