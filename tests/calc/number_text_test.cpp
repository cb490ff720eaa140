#include "calc/failure.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

namespace corvald::calc {
namespace {

    TEST(ReadNumber, ReadsTheFormsOfThePickListsAndOfWrittenNumbers)
    {
        EXPECT_EQ(readNumber("0.8500"), 0.85);
        EXPECT_EQ(readNumber("-18.0"), -18.0);
        EXPECT_EQ(readNumber("+95"), 95.0);
        EXPECT_EQ(readNumber(".5"), 0.5);
        EXPECT_EQ(readNumber("5."), 5.0);
        EXPECT_EQ(readNumber("1E+15"), 1e15);
        EXPECT_EQ(readNumber("1.5E-05"), 1.5e-5);
        EXPECT_EQ(readNumber("  1000\t"), 1000.0);
        EXPECT_EQ(readNumber("0.333333333333333"), 0.333333333333333);
    }

    TEST(ReadNumber, RejectsEverythingElseAsATypeMismatch)
    {
        for (const char* text :
            { "", "   ", "abc", "1,5", "1,000", "1.2.3", "--1", "+-1", "-", ".", "inf", "nan",
                "-inf", "0x10", "1e", "1e+", "1 000", "12a", "e5", "Label22", "1E400", "-1E400" }) {
            EXPECT_THROW(readNumber(text), TypeMismatch) << '"' << text << '"';
        }
    }

    TEST(WriteNumber, WritesAtMostFifteenSignificantDigits)
    {
        EXPECT_EQ(writeNumber(0.85 - 0.0011), "0.8489");
        EXPECT_EQ(writeNumber(1.0 / 3), "0.333333333333333");
        EXPECT_EQ(writeNumber(1000), "1000");
        EXPECT_EQ(writeNumber(850 / 0.85), "1000");
        EXPECT_EQ(writeNumber(0.85 * 995.7), "846.345");
        EXPECT_EQ(writeNumber(-0.0011), "-0.0011");
        EXPECT_EQ(writeNumber(-2.5), "-2.5");
        EXPECT_EQ(writeNumber(0), "0");
        EXPECT_EQ(writeNumber(-0.0), "0");
        EXPECT_EQ(writeNumber(123456789012345), "123456789012345");
        EXPECT_EQ(writeNumber(2.0 / 3 * 1000), "666.666666666667");
    }

    TEST(WriteNumber, UsesTheExponentFormOnlyForVeryLargeOrSmallValues)
    {
        EXPECT_EQ(writeNumber(0.0001), "0.0001");
        EXPECT_EQ(writeNumber(0.00001), "1E-05");
        EXPECT_EQ(writeNumber(-1.5e-7), "-1.5E-07");
        EXPECT_EQ(writeNumber(999999999999999), "999999999999999");
        EXPECT_EQ(writeNumber(1e15), "1E+15");
        EXPECT_EQ(writeNumber(1.7e308), "1.7E+308");
    }

    // Found by fuzzing: the largest doubles round up, at 15 digits, past the
    // largest double, and their text would not read back.
    TEST(WriteNumber, CountsATextBeyondTheDoubleRangeAsAnOverflow)
    {
        const double largest = std::numeric_limits<double>::max();
        EXPECT_THROW(writeNumber(largest), Overflow);
        EXPECT_THROW(writeNumber(-largest), Overflow);
        EXPECT_EQ(writeNumber(1.79769313486231e308), "1.79769313486231E+308");
        EXPECT_EQ(readNumber(writeNumber(1.79769313486231e308)), 1.79769313486231e308);
        EXPECT_THROW(writeNumber(std::numeric_limits<double>::infinity()), Overflow);
    }

    // An infinite or undefined result reaches no caption and no factor as a number.
    TEST(NumberText, RaisesOverflowForAValueThatIsNotFinite)
    {
        const double inf = std::numeric_limits<double>::infinity();
        for (double x : { inf, -inf, std::numeric_limits<double>::quiet_NaN() }) {
            EXPECT_THROW(writeNumber(x), Overflow) << x;
            EXPECT_THROW(roundToFourDecimals(x), Overflow) << x;
            EXPECT_THROW(displayFormat(x, 3), Overflow) << x;
            EXPECT_THROW(displayFormat(x, 0), Overflow) << x;
        }
        EXPECT_THROW(roundToFourDecimals(std::numeric_limits<double>::max()), Overflow);
        EXPECT_THROW(roundToFourDecimals(-std::numeric_limits<double>::max()), Overflow);
        EXPECT_EQ(roundToFourDecimals(1e300), 1e300);
    }

    TEST(WriteNumber, ReadsBackToTheSameFifteenDigits)
    {
        for (double x : { 0.995745689260984, 1004.31856985036, 1.7e308, 2.5e-300, -0.0011 })
            EXPECT_EQ(writeNumber(readNumber(writeNumber(x))), writeNumber(x)) << x;
    }

    TEST(WrittenValue, IsTheValueWrittenAndReadBack)
    {
        std::mt19937_64 draw(10);
        std::uniform_real_distribution<double> exponent(-30, 40), mantissa(1, 10);
        for (int i = 0; i < 300'000; ++i) {
            const double shaped = mantissa(draw) * std::pow(10.0, std::floor(exponent(draw)));
            for (const double x : { shaped, -shaped, std::bit_cast<double>(draw()) }) {
                if (!std::isfinite(x) || std::fabs(x) >= 1e308)
                    continue;
                const double expected = readNumber(writeNumber(x));
                ASSERT_EQ(writtenValue(x), expected) << std::hexfloat << x;
                ASSERT_EQ(std::signbit(writtenValue(x)), std::signbit(expected)) << x;
            }
        }
        EXPECT_EQ(writtenValue(-0.0), 0.0);
        EXPECT_FALSE(std::signbit(writtenValue(-0.0)));
        EXPECT_THROW(writtenValue(1.7976931348623157e308), Overflow);
        EXPECT_THROW(writtenValue(std::numeric_limits<double>::infinity()), Overflow);
    }

    TEST(RoundToFourDecimals, RoundsToTheNearestTenThousandth)
    {
        EXPECT_EQ(roundToFourDecimals(0.995745689260984), 0.9957);
        EXPECT_EQ(roundToFourDecimals(0.99575000001), 0.9958);
        EXPECT_EQ(roundToFourDecimals(1.02779311466), 1.0278);
        EXPECT_EQ(roundToFourDecimals(0.99994), 0.9999);
        EXPECT_EQ(roundToFourDecimals(0.99996), 1.0);
        EXPECT_EQ(roundToFourDecimals(0.00004), 0.0);
        EXPECT_EQ(roundToFourDecimals(-0.98765), -0.9876);
        EXPECT_EQ(roundToFourDecimals(1.0), 1.0);
    }

    // A tie is judged on the 15-digit text the caption holds, whichever side of
    // the tie the binary double lies on.
    TEST(RoundToFourDecimals, SendsTiesOfTheFifteenDigitFormToTheEvenDigit)
    {
        EXPECT_EQ(roundToFourDecimals(0.99565), 0.9956);
        EXPECT_EQ(roundToFourDecimals(0.99575), 0.9958);
        EXPECT_EQ(roundToFourDecimals(0.00015), 0.0002);
        EXPECT_EQ(roundToFourDecimals(0.00025), 0.0002);
        EXPECT_EQ(roundToFourDecimals(0.00005), 0.0);
        EXPECT_EQ(roundToFourDecimals(1.00005), 1.0);
        EXPECT_EQ(roundToFourDecimals(-0.99575), -0.9958);
    }

    TEST(DisplayFormat, ShowsExactlyTheDecimalsRoundedHalfAwayFromZero)
    {
        EXPECT_EQ(displayFormat(0.995745689260984, 4), "0.9957");
        EXPECT_EQ(displayFormat(1004.31856985036, 3), "1,004.319");
        EXPECT_EQ(displayFormat(1000, 3), "1,000.000");
        EXPECT_EQ(displayFormat(995.7, 3), "995.700");
        EXPECT_EQ(displayFormat(0.85 * 995.7, 3), "846.345");
        EXPECT_EQ(displayFormat(0, 3), "0.000");
        EXPECT_EQ(displayFormat(0.5, 0), "1");
        EXPECT_EQ(displayFormat(0.0005, 3), "0.001");
        EXPECT_EQ(displayFormat(2.0005, 3), "2.001");
        EXPECT_EQ(displayFormat(999.9995, 3), "1,000.000");
        EXPECT_EQ(displayFormat(0.00049, 3), "0.000");
    }

    TEST(DisplayFormat, GroupsWholeDigitsInThreesAndBracketsNegatives)
    {
        EXPECT_EQ(displayFormat(12345.6789, 3), "12,345.679");
        EXPECT_EQ(displayFormat(123456.5, 3), "123,456.500");
        EXPECT_EQ(displayFormat(1234567.25, 3), "1,234,567.250");
        EXPECT_EQ(displayFormat(-2.5, 3), "(2.500)");
        EXPECT_EQ(displayFormat(-1234.5678, 4), "(1,234.5678)");
        EXPECT_EQ(displayFormat(-0.0005, 3), "(0.001)");
        EXPECT_EQ(displayFormat(1e15, 3), "1,000,000,000,000,000.000");
    }

    TEST(DisplayFormat, ShowsAValueThatRoundsToZeroWithoutParentheses)
    {
        EXPECT_EQ(displayFormat(-0.0004, 3), "0.000");
        EXPECT_EQ(displayFormat(-0.0, 4), "0.0000");
    }

} // namespace
} // namespace corvald::calc
