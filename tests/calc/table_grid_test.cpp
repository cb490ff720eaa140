#include "calc/failure.h"
#include "calc/product_bands.h"
#include "calc/table_grid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvald::calc {
namespace {

    // The expected coefficients are given to 14 decimals.
    constexpr double kHalfLastPlace = 0.5e-14;

    TEST(TempCorr, RoundsAtTheThresholdsAboveEachMidpoint)
    {
        const std::pair<double, double> cases[] = { { 0.125, 0 }, { 0.126, 0.25 }, { 0.375, 0.25 },
            { 0.376, 0.5 }, { 0.625, 0.5 }, { 0.626, 0.75 }, { 0.875, 0.75 }, { 0.876, 1 } };
        for (const auto& [temperature, grid] : cases)
            EXPECT_EQ(TempCorr(temperature), grid) << temperature;
    }

    TEST(TempCorr, JudgesTheFractionAsADouble)
    {
        EXPECT_EQ(TempCorr(2.876), 2.75);
        EXPECT_EQ(TempCorr(2.126), 2);
        EXPECT_EQ(TempCorr(21.376), 21.5);
    }

    TEST(TempCorr, RoundsNegativeTemperaturesSymmetrically)
    {
        EXPECT_EQ(TempCorr(-3.3), -3.25);
        EXPECT_EQ(TempCorr(-0.126), -0.25);
        EXPECT_EQ(TempCorr(-17.9), -18);
        EXPECT_EQ(TempCorr(0.0), 0);
        EXPECT_EQ(TempCorr(94.9), 95);
    }

    TEST(TempCorr, GivesOneHundredThousandForANullTemperature)
    {
        EXPECT_EQ(TempCorr(std::nullopt), 100000);
    }

    TEST(TempCorr, ReadsTextsAndRejectsTextsThatAreNoNumber)
    {
        EXPECT_EQ(TempCorr("30.1"), 30);
        EXPECT_EQ(TempCorr("-18.0"), -18);
        EXPECT_THROW(TempCorr("warm"), TypeMismatch);
        EXPECT_THROW(TempCorr(""), TypeMismatch);
    }

    TEST(TempCorr, GivesQuarterDegreesNearItsInputSymmetricAboutZero)
    {
        for (int thousandths = -100000; thousandths <= 100000; thousandths += 7) {
            const double t = thousandths / 1000.0;
            const double grid = TempCorr(t);
            EXPECT_EQ(grid * 4, std::round(grid * 4)) << t;
            EXPECT_LE(std::fabs(grid - t), 0.126) << t;
            EXPECT_EQ(TempCorr(-t), -grid) << t;
        }
    }

    TEST(Even, KeepsEvenNumbersAndRaisesOddOnes)
    {
        EXPECT_EQ(Even(700), 700);
        EXPECT_EQ(Even(699), 700);
        EXPECT_EQ(Even(701), 702);
        EXPECT_EQ(Even(0), 0);
        EXPECT_EQ(Even(-3), -2);
    }

    TEST(Density, GivesTheEvenGridDensityOfTheIntegerPart)
    {
        EXPECT_EQ(Density(700), 700);
        EXPECT_EQ(Density(700.9), 700);
        EXPECT_EQ(Density(701), 702);
        EXPECT_EQ(Density(699.99), 700);
        EXPECT_EQ(Density(770.75), 770);
    }

    TEST(Density, IsEvenAndAtMostOneAboveTheIntegerPartOverADenseSweep)
    {
        for (int tenths = 6000; tenths <= 11000; ++tenths) {
            const double density = tenths / 10.0;
            const double grid = Density(density);
            EXPECT_EQ(std::fmod(grid, 2.0), 0) << density;
            EXPECT_GE(grid, std::floor(density));
            EXPECT_LE(grid, std::floor(density) + 1);
        }
    }

    TEST(ProductBands, IncludeTheirBoundsAndLeaveTheGapsOut)
    {
        EXPECT_EQ(productBandOf(654), &kProductBands[0]);
        EXPECT_EQ(productBandOf(770.7), &kProductBands[0]);
        EXPECT_EQ(productBandOf(770.8), &kProductBands[1]);
        EXPECT_EQ(productBandOf(838.4), &kProductBands[2]);
        EXPECT_EQ(productBandOf(1074.9), &kProductBands[3]);
        for (double outside : { 653.9, 770.75, 787.45, 838.45, 1075.0, 0.0 })
            EXPECT_EQ(productBandOf(outside), nullptr) << outside;
    }

    TEST(ProductBands, GiveTheCoefficientsOfTheStandard)
    {
        const std::pair<double, double> cases[]
            = { { 700, 0.00133384244898 }, { 780, 0.00104240366864 }, { 800, 0.0009289715625 },
                  { 900, 0.000771048888889 }, { 1000, 0.0006731696 } };
        for (const auto& [density, alpha] : cases)
            EXPECT_NEAR(productCoefficient(density).value(), alpha, kHalfLastPlace) << density;
        EXPECT_FALSE(productCoefficient(653.9).has_value());
    }

    TEST(Density54b, ReplacesTheDensityByItsGridDensity)
    {
        double density = 700.9;
        EXPECT_NEAR(Density54b(density).value(), 0.00133384244898, kHalfLastPlace);
        EXPECT_EQ(density, 700);
        density = 1075.3; // grid density 1076: in no band
        EXPECT_FALSE(Density54b(density).has_value());
        EXPECT_EQ(density, 1076);
    }

} // namespace
} // namespace corvald::calc
