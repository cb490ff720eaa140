#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/vcf53a.h"

#include <gtest/gtest.h>

#include <array>

namespace corvald::calc {
namespace {

    struct ExpectedFactor {
        double density; // kg/m3
        double temperature; // °C
        double factor;
        double rounded;
    };

    // The expected factors are given to 11 decimals; the platform's exp may differ in the last.
    constexpr double kLastPlace = 1e-11;

    TEST(VCF53A, MatchesElevenDecimalFactorsAcrossTheDensityAndTemperatureRange)
    {
        const ExpectedFactor values[] = {
            { 850, 30, 0.98720573638, 0.9872 },
            { 850, -18, 1.02779311466, 1.0278 },
            { 850, 95, 0.93082829197, 0.9308 },
            { 610, 95, 0.86420860276, 0.8642 },
            { 1075, 95, 0.95700329994, 0.9570 },
            { 610, -18, 1.05345869807, 1.0535 },
            { 700, 30, 0.98110315293, 0.9811 },
            { 1000, 60, 0.97215557386, 0.9722 },
        };
        for (const auto& v : values) {
            const double factor = VCF53A(v.density, v.temperature);
            EXPECT_NEAR(factor, v.factor, kLastPlace) << v.density << " " << v.temperature;
            EXPECT_EQ(roundToFourDecimals(factor), v.rounded);
        }
    }

    TEST(VCF53A, GivesTheFifteenDigitFactorsOfPoint85InVacuumAndInAirAt20Degrees)
    {
        EXPECT_EQ(writeNumber(VCF53A(850, "20.0")), "0.995745689260984");
        EXPECT_EQ(writeNumber(VCF53A(0.8489 * 1000, "20.0")), "0.995734642863381");
    }

    // Points of the window's pick lists (kg/litre, °C) where dividing once by the
    // density squared, or computing 0.8·(Δt·α) or (0.8·α)·Δt, changes the last digit.
    TEST(VCF53A, KeepsItsOrderOfOperationsToTheFifteenthDigit)
    {
        const std::array<std::array<const char*, 3>, 4> cases = { {
            { "0.7000", "31.7", "0.978949257387071" },
            { "0.7007", "85.4", "0.910068367654755" },
            { "0.7007", "65.0", "0.936456100227466" },
            { "0.7015", "84.6", "0.911312835002017" },
        } };
        for (const auto& [density, temperature, factor] : cases)
            EXPECT_EQ(writeNumber(VCF53A(readNumber(density) * 1000, temperature)), factor)
                << density << " " << temperature;
    }

    TEST(VCF53A, IsExactlyOneAtFifteenDegreesAndOutsideTheDensityRange)
    {
        for (double density : { 610.0, 700.0, 850.0, 1075.0 })
            EXPECT_EQ(VCF53A(density, 15.0), 1.0);
        for (double density : { 0.0, -850.0, 609.9, 1075.1, 5000.0 })
            for (double temperature : { -18.0, 15.0, 95.0 })
                EXPECT_EQ(VCF53A(density, temperature), 1.0) << density;
    }

    TEST(VCF53A, IncludesBothRangeBounds)
    {
        EXPECT_NE(VCF53A(610, 95.0), 1.0);
        EXPECT_NE(VCF53A(1075, 95.0), 1.0);
    }

    TEST(VCF53A, ExpandsAboveFifteenDegreesAndContractsBelow)
    {
        for (double density = 610; density <= 1075; density += 15) {
            EXPECT_GT(VCF53A(density, 14.9), 1.0);
            EXPECT_LT(VCF53A(density, 15.1), 1.0);
        }
    }

    TEST(VCF53A, ReadsATemperatureTextLikeTheNumber)
    {
        EXPECT_EQ(VCF53A(850, "-18.0"), VCF53A(850, -18.0));
        EXPECT_EQ(VCF53A(850, "95.0"), VCF53A(850, 95.0));
        EXPECT_THROW(VCF53A(850, "warm"), TypeMismatch);
        EXPECT_THROW(VCF53A(850, ""), TypeMismatch);
    }

    TEST(VCF53A, RaisesOverflowInsteadOfReturningANonFiniteFactor)
    {
        EXPECT_THROW(VCF53A(850, 1e200), Overflow);
        EXPECT_THROW(VCF53A(850, -1e200), Overflow);
    }

} // namespace
} // namespace corvald::calc
