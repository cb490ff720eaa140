#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/vcf54b.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace corvald::calc {
namespace {

    constexpr double kLastPlace = 1e-11;

    TEST(VCF54bInterpolerad, MatchesElevenDecimalFactorsInEachBand)
    {
        const std::tuple<double, double, double> cases[]
            = { { 700, 30, 0.97987733731 }, { 780, 30, 0.98429301774 }, { 800, 30, 0.98600888693 },
                  { 900, 30, 0.98839511592 }, { 1000, 60, 0.96944964301 },
                  { 654, -18, 1.04807865001 }, { 1074.9, 95, 0.95021929442 } };
        for (const auto& [density, temperature, factor] : cases)
            EXPECT_NEAR(VCF54bInterpolerad(density, temperature), factor, kLastPlace) << density;
    }

    // One density (kg/litre) of each band where dividing once by the density
    // squared changes the last of the 15 digits.
    TEST(VCF54bInterpolerad, KeepsItsOrderOfOperationsToTheFifteenthDigit)
    {
        const std::array<std::tuple<const char*, double, const char*>, 4> cases = { {
            { "0.7011", 61.1, "0.937674000417336" },
            { "0.7709", 25.8, "0.987567278479073" },
            { "0.7876", 41.1, "0.974806530559062" },
            { "0.8388", 72.2, "0.951014372204441" },
        } };
        for (const auto& [density, temperature, factor] : cases)
            EXPECT_EQ(
                writeNumber(VCF54bInterpolerad(readNumber(density) * 1000, temperature)), factor)
                << density;
    }

    TEST(VCF54bInterpolerad, IsExactlyOneOutsideTheBandsAndAtFifteenDegrees)
    {
        for (double density : { 0.0, 650.0, 1075.0, 770.75 })
            for (double temperature : { -18.0, 30.0, 95.0 })
                EXPECT_EQ(VCF54bInterpolerad(density, temperature), 1.0) << density;
        for (double density : { 654.0, 700.0, 780.0, 800.0, 900.0, 1074.9 })
            EXPECT_EQ(VCF54bInterpolerad(density, 15.0), 1.0);
    }

    TEST(VCF54bInterpolerad, LeavesTheDensityAndReadsTexts)
    {
        const double density = 700.9;
        EXPECT_EQ(VCF54bInterpolerad(density, "30"), VCF54bInterpolerad(700.9, 30.0));
        EXPECT_THROW(VCF54bInterpolerad(density, "hot"), TypeMismatch);
    }

    TEST(VCF_54B, WorksOnTheGridAndRoundsToFourDecimals)
    {
        double density = 700;
        EXPECT_EQ(VCF_54B(density, 30.1), 0.9799);
        EXPECT_EQ(density, 700);
        density = 699.4; // grid density 700
        EXPECT_EQ(VCF_54B(density, "30.1"), 0.9799);
        EXPECT_EQ(density, 700);
    }

    TEST(VCF_54B, IsExactlyOneWhenTheGridDensityIsInNoBand)
    {
        // Grid densities are even whole numbers: only below 654 and above 1074.9
        // do they fall outside the bands.
        for (double density : { 600.0, 652.9, 1075.0, 2000.0 }) {
            for (double temperature : { -18.0, 50.0, 95.0 }) {
                double d = density;
                EXPECT_EQ(VCF_54B(d, temperature), 1.0) << density;
            }
        }
        double density = 700;
        EXPECT_EQ(VCF_54B(density, std::nullopt), 0.0); // the null grid temperature, 100000 °C
    }

    TEST(VCF_54B, ATemperatureThatIsNoNumberFailsAfterTheDensityIsReplaced)
    {
        double density = 701.3;
        EXPECT_THROW(VCF_54B(density, "hot"), TypeMismatch);
        EXPECT_EQ(density, 702);
    }

    TEST(ProductFactors, ExpandBelowFifteenDegreesAndContractAbove)
    {
        for (int tenths = 6540; tenths <= 10749; tenths += 3) {
            const double density = tenths / 10.0;
            const bool inBand = VCF54bInterpolerad(density, 30.0) != 1.0;
            if (!inBand)
                continue;
            EXPECT_GT(VCF54bInterpolerad(density, 14.9), 1.0) << density;
            EXPECT_LT(VCF54bInterpolerad(density, 15.1), 1.0) << density;
            double grid = density;
            if (VCF_54B(grid, 30.0) == 1.0)
                continue; // the grid density fell into a gap or out of the table
            grid = density;
            EXPECT_GT(VCF_54B(grid, 14.5), 1.0) << density;
            grid = density;
            EXPECT_LT(VCF_54B(grid, 15.5), 1.0) << density;
            grid = density;
            EXPECT_EQ(VCF_54B(grid, 15.1), 1.0) << density;
        }
    }

} // namespace
} // namespace corvald::calc
