#include "calc/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace corvald::calc {

namespace {

    void dropTrailingZeros(DecimalDigits& d)
    {
        while (!d.digits.empty() && d.digits.back() == '0') {
            d.digits.pop_back();
            ++d.exponent;
        }
        if (d.digits.empty()) {
            d.negative = false;
            d.exponent = 0;
        }
    }

    // Adds one unit in the last place of a string of decimal digits.
    std::string incremented(std::string digits)
    {
        for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
            if (*it != '9') {
                ++*it;
                return digits;
            }
            *it = '0';
        }
        digits.insert(digits.begin(), '1');
        return digits;
    }

    enum class Remainder { belowHalf, half, aboveHalf };

    Remainder classify(std::string_view dropped)
    {
        if (dropped.empty() || dropped.front() < '5')
            return Remainder::belowHalf;
        if (dropped.front() > '5' || dropped.size() > 1)
            return Remainder::aboveHalf;
        return Remainder::half;
    }

    bool roundsUp(Remainder r, Tie tie, std::string_view kept)
    {
        if (r != Remainder::half)
            return r == Remainder::aboveHalf;
        if (tie == Tie::awayFromZero)
            return true;
        const char last = kept.empty() ? '0' : kept.back();
        return (last - '0') % 2 == 1;
    }

} // namespace

int DecimalDigits::leadingExponent() const
{
    return isZero() ? 0 : exponent + static_cast<int>(digits.size()) - 1;
}

DecimalDigits significantDigits(double x)
{
    // "d.dddddddddddddde+XX": one digit, the point, 14 digits, the exponent.
    std::array<char, 32> buffer {};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
        std::chars_format::scientific, kSignificantDigits - 1)
                         .ptr;
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    DecimalDigits d;
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('e');
    d.digits.assign(1, text[0]).append(text.substr(2, e - 2));
    int power = 0;
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), power);
    d.exponent = power - (kSignificantDigits - 1);
    dropTrailingZeros(d);
    return d;
}

DecimalDigits roundedToDecimals(DecimalDigits d, int decimals, Tie tie)
{
    const int dropCount = -decimals - d.exponent;
    if (d.isZero() || dropCount <= 0)
        return d;
    const auto size = static_cast<int>(d.digits.size());
    std::string kept;
    std::string_view dropped = d.digits;
    if (dropCount <= size) {
        kept = d.digits.substr(0, static_cast<std::size_t>(size - dropCount));
        dropped.remove_prefix(kept.size());
    } else {
        dropped = {}; // all digits lie below half a unit of the last kept place
    }
    if (roundsUp(classify(dropped), tie, kept))
        kept = incremented(kept.empty() ? "0" : kept);
    d.digits = kept;
    d.exponent = -decimals;
    d.digits.erase(0, std::min(d.digits.find_first_not_of('0'), d.digits.size()));
    dropTrailingZeros(d);
    return d;
}

std::string wholePart(const DecimalDigits& d)
{
    const auto size = static_cast<int>(d.digits.size());
    const int wholeDigits = size + d.exponent;
    if (d.isZero() || wholeDigits <= 0)
        return "0";
    if (d.exponent >= 0)
        return d.digits + std::string(static_cast<std::size_t>(d.exponent), '0');
    return d.digits.substr(0, static_cast<std::size_t>(wholeDigits));
}

std::string fractionPart(const DecimalDigits& d, int decimals)
{
    std::string fraction(static_cast<std::size_t>(decimals), '0');
    const auto size = static_cast<int>(d.digits.size());
    for (int i = 0; i < size; ++i) {
        const int place = -(d.exponent + size - 1 - i); // 1 for tenths, 2 for hundredths
        if (place >= 1 && place <= decimals)
            fraction[static_cast<std::size_t>(place - 1)] = d.digits[static_cast<std::size_t>(i)];
    }
    return fraction;
}

} // namespace corvald::calc
