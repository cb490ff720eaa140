#include "calc/decimal_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
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

    // The library writes the 15 digits, rounded on the exact binary value.
    DecimalDigits writtenSignificantDigits(double x)
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

    // 10^k for 0 <= k <= 27: exact in a long double with a 64-bit significand.
    constexpr int kLargestExactPower = 27;
    constexpr std::array<long double, kLargestExactPower + 1> kPowersOfTen = [] {
        std::array<long double, kLargestExactPower + 1> powers {};
        long double power = 1;
        for (long double& p : powers) {
            p = power;
            power *= 10;
        }
        return powers;
    }();
    constexpr std::string_view kDigitPairs
        = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
          "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
          "8081828384858687888990919293949596979899";
    constexpr long double kFifteenDigits = 1e15L; // the first integer with 16 digits
    constexpr long double kFourteenDigits = 1e14L;
    // Bound of the rounding error of |x| * 10^k below 10^15 in a 64-bit significand
    // (10^15 * 2^-64 is about 5.4E-5), with room to spare.
    constexpr long double kUncertainHalf = 1e-3L;

    // The 15 digits of |x| from 1E-13 to below 1E+15 found by scaling it to a
    // 15-digit whole number in a long double, much cheaper than writing them.
    // The scaled product is within 6E-5 of the exact one, so its rounding to a
    // whole number is the exact one's unless its fraction lies near one half;
    // then, and for any other x, this gives up.
    bool scaledSignificantDigits(double x, DecimalDigits& d)
    {
        if constexpr (std::numeric_limits<long double>::digits < 64)
            return false;
        const long double magnitude = std::fabs(static_cast<long double>(x));
        if (!(magnitude >= 1e-13L && magnitude < kFifteenDigits))
            return false;
        // The scale k that brings |x| into [1E+14, 1E+15): first from the binary
        // exponent (log10 2 is about 78913 / 2^18), then one step at most.
        constexpr int kExponentBias
            = 1023; // of a normal double, whose exponent takes bits 52 to 62
        const int binaryExponent
            = static_cast<int>((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7FF) - kExponentBias;
        int k = std::clamp(14 - ((binaryExponent * 78913) >> 18), 0, kLargestExactPower);
        if (k < kLargestExactPower
            && magnitude * kPowersOfTen[static_cast<std::size_t>(k)] < kFourteenDigits)
            ++k;
        else if (k > 0 && magnitude * kPowersOfTen[static_cast<std::size_t>(k)] >= kFifteenDigits)
            --k;
        const long double scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(k)];
        // The nearest whole number in the current rounding mode (to nearest), and
        // to an integer through a double, which holds it exactly: a floor or a
        // cast of a long double would switch the x87 rounding mode, the costliest
        // step of the batch.
        const long double nearest = std::rint(scaled);
        if (std::fabs(std::fabs(scaled - nearest) - 0.5L) < kUncertainHalf
            || scaled < kFourteenDigits || scaled >= kFifteenDigits)
            return false;
        auto digits = static_cast<std::uint64_t>(static_cast<double>(nearest));
        d.negative = x < 0;
        d.exponent = -k;
        if (digits == static_cast<unsigned long long>(kFifteenDigits)) { // 999...9.5 and up
            digits /= 10;
            ++d.exponent;
        }
        // Fifteen digits, two a step from the right in two 32-bit halves (7 and
        // 8 digits), then without their trailing zeros.
        constexpr std::uint64_t kLowHalf = 100'000'000;
        std::array<char, kSignificantDigits> text {};
        auto writePairs = [&text](std::uint32_t half, std::size_t at, std::size_t stop) {
            for (; at > stop + 1; half /= 100) {
                const std::size_t pair = (half % 100) * 2;
                text[--at] = kDigitPairs[pair + 1];
                text[--at] = kDigitPairs[pair];
            }
            if (at > stop)
                text[--at] = static_cast<char>('0' + half);
        };
        writePairs(static_cast<std::uint32_t>(digits % kLowHalf), text.size(), 7);
        writePairs(static_cast<std::uint32_t>(digits / kLowHalf), 7, 0);
        std::size_t size = text.size();
        for (; text[size - 1] == '0'; --size) // the leading digit is never zero
            ++d.exponent;
        d.digits.assign(text.data(), size);
        return true;
    }
} // namespace

int DecimalDigits::leadingExponent() const
{
    return isZero() ? 0 : exponent + static_cast<int>(digits.size()) - 1;
}

DecimalDigits significantDigits(double x)
{
    if (DecimalDigits d; scaledSignificantDigits(x, d))
        return d;
    return writtenSignificantDigits(x);
}

DecimalDigits roundedToDecimals(DecimalDigits d, int decimals, Tie tie)
{
    const int dropCount = -decimals - d.exponent;
    if (d.isZero() || dropCount <= 0)
        return d;
    const auto size = static_cast<int>(d.digits.size());
    const auto keptCount = static_cast<std::size_t>(std::max(size - dropCount, 0));
    const std::string_view digits = d.digits;
    // With more dropped digits than digits, all lie below half a unit of the last kept place.
    const std::string_view dropped = dropCount <= size ? digits.substr(keptCount) : "";
    const bool up = roundsUp(classify(dropped), tie, digits.substr(0, keptCount));
    d.digits.resize(keptCount);
    if (up)
        d.digits = incremented(d.digits.empty() ? "0" : d.digits);
    d.exponent = -decimals;
    dropTrailingZeros(d);
    return d;
}

} // namespace corvald::calc
