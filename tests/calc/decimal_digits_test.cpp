#include "calc/decimal_digits.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <random>

namespace corvald::calc {
namespace {

    // The 15 significant digits of x as the library writes them (rounded on the
    // exact binary value), with their power of ten, trailing zeros dropped.
    std::pair<std::string, int> libraryDigits(double x)
    {
        std::array<char, 40> buffer {};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
            std::chars_format::scientific, 14)
                             .ptr;
        const std::string text(buffer.data(), end);
        std::string digits = text.substr(0, 1) + text.substr(2, 14);
        int power = std::stoi(text.substr(text.find('e') + 1)) - 14;
        while (!digits.empty() && digits.back() == '0') {
            digits.pop_back();
            ++power;
        }
        return { digits, digits.empty() ? 0 : power };
    }

    void expectLibraryDigits(double x)
    {
        const DecimalDigits d = significantDigits(x);
        const auto [digits, power] = libraryDigits(x);
        ASSERT_EQ(d.digits, digits) << std::hexfloat << x;
        ASSERT_EQ(d.exponent, power) << std::hexfloat << x;
        ASSERT_EQ(d.negative, x < 0 && !digits.empty()) << std::hexfloat << x;
    }

    TEST(SignificantDigits, AreTheFifteenDigitsTheLibraryWritesForAnyDouble)
    {
        std::mt19937_64 bits(15);
        for (int i = 0; i < 200'000; ++i) {
            const double x = std::bit_cast<double>(bits());
            if (std::isfinite(x))
                expectLibraryDigits(x);
        }
        std::uniform_real_distribution<double> exponent(-14, 16), mantissa(1, 10);
        for (int i = 0; i < 300'000; ++i)
            expectLibraryDigits(mantissa(bits) * std::pow(10.0, std::floor(exponent(bits))));
        std::uniform_int_distribution<long long> quantity(0, 9'999'999'999), factor(9000, 11000);
        for (int i = 0; i < 300'000; ++i) { // products and quotients as the calculation forms them
            const double q = double(quantity(bits)) / 1000, f = double(factor(bits)) / 10000;
            expectLibraryDigits(q * f);
            expectLibraryDigits(q / f);
            expectLibraryDigits(q / 0.8489);
        }
    }

    TEST(SignificantDigits, DecideAHalfInTheSixteenthDigitOnTheExactValue)
    {
        // 1000000000000005 is a double: exactly one half in the 16th digit.
        for (double x : { 1000000000000005.0, 1000000000000015.0, 999999999999999.5,
                 99999999999999.95, 0.1000000000000005, 1e-13, 1e14, 1e15, 2.5e-300, 4.9e-324,
                 1.7976931348623157e308, 0.0 }) {
            for (double near : { x, std::nextafter(x, 0.0), std::nextafter(x, 1e308) }) {
                expectLibraryDigits(near);
                expectLibraryDigits(-near);
            }
        }
        for (long long n = 1000000000000000; n < 1000000000200000; n += 5)
            expectLibraryDigits(double(n) / 10);
    }

} // namespace
} // namespace corvald::calc
