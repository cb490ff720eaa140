#include "calc/failure.h"
#include "calc/tables/hydrometer.h"
#include "calc/vcf53a.h"
#include "calc/vcf54b.h"
#include "table_call.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvald::calc::tables {
namespace {

    // The base density is solved to 1e-9 kg/m3; a round trip through the factor adds
    // a few units in the last place of the observed density.
    constexpr double kRoundTrip = 1e-8;
    // Newton's steps over the whole range, as bench/table_iterations measures them.
    constexpr int kWorstNewtonSteps = 6;

    TEST(DensityTables, GiveThePublishedValues)
    {
        // "ASTM Tables Calc" sheet (scribd.com/document/192833803): 53A 779.0 at 25 °C,
        // 53B 1008.0 at 4.5 °C (fuel oil), 54A 1050 at 55 °C -> 0.97758.
        EXPECT_EQ(table("53A", 779.0, 25, Hydrometer::glass).rounded, "786.6");
        const TableResult fuelOil = table("53B", 1008.0, 4.5, Hydrometer::glass);
        EXPECT_EQ(fuelOil.rounded, "1001.2");
        EXPECT_EQ(fuelOil.band, "fuel oils");
        EXPECT_NEAR(table("54A", 1050, 55).result.value, 0.97758, 5e-6);
        EXPECT_EQ(table("54A", 1050, 55).rounded, "0.9776");
    }

    TEST(DensityTables, DescribeWhatTheyUsed)
    {
        const TableResult crude = table("53A", 779.0, 25, Hydrometer::glass);
        EXPECT_EQ(crude.table, "53A");
        ASSERT_EQ(crude.constants.size(), 2U);
        EXPECT_EQ(crude.constants[0].name, "K0");
        EXPECT_EQ(crude.constants[0].value, 613.9723);
        EXPECT_EQ(crude.alpha, crudeCoefficient(crude.result.value));
        EXPECT_EQ(crude.inputs[0].value, 779.0);
        EXPECT_EQ(crude.inputs[1].value, 25.0);
        EXPECT_GT(crude.iterations, 1);

        const TableResult transition = table("54B", 780, 30);
        EXPECT_EQ(transition.band, "transition zone");
        ASSERT_EQ(transition.constants.size(), 2U);
        EXPECT_EQ(transition.constants[0].name, "A");
        EXPECT_EQ(transition.constants[0].value, -0.00336312);
        EXPECT_EQ(transition.constants[1].name, "B");
        EXPECT_EQ(transition.constants[1].value, 2680.3206);
        EXPECT_EQ(transition.iterations, 0);
    }

    TEST(DensityTables, FactorTablesAreTheWindowsAndTheProductFactors)
    {
        for (double density = 610; density <= 1075; density += 15.5)
            for (double t = -18; t <= 150; t += 8.4)
                EXPECT_EQ(table("54A", density, t).result.value, VCF53A(density, t)) << density;
        for (double density : { 654.0, 700.0, 770.7, 770.8, 787.4, 800.0, 838.5, 1074.9 })
            for (double t : { -18.0, 30.0, 150.0 })
                EXPECT_EQ(table("54B", density, t).result.value, VCF54bInterpolerad(density, t))
                    << density;
    }

    TEST(DensityTables, GiveADensityBetweenTwoBandsTheBandOfItsNearestTenth)
    {
        EXPECT_EQ(table("54B", 770.74, 30).band, "gasolines");
        EXPECT_EQ(table("54B", 770.76, 30).band, "transition zone");
        EXPECT_NE(table("54B", 770.75, 30).result.value, 1.0);
        EXPECT_EQ(table("54B", 838.44, 30).band, "jet fuels");
        EXPECT_EQ(table("54B", 838.46, 30).band, "fuel oils");
    }

    TEST(DensityTables, CorrectTheHydrometerGlassOnlyWhenAsked)
    {
        EXPECT_EQ(glassFactorCelsius(15), 1.0);
        EXPECT_DOUBLE_EQ(glassFactorCelsius(25), 1 - 0.00023 - 0.000002);
        EXPECT_DOUBLE_EQ(glassFactorCelsius(-5), 1 + 0.00046 - 0.000008);
        const double reading = 850;
        const double glass = table("53A", reading, 60, Hydrometer::glass).result.value;
        const double none
            = table("53A", reading * glassFactorCelsius(60), 60, Hydrometer::none).result.value;
        EXPECT_NEAR(glass, none, kRoundTrip);
        EXPECT_GT(table("53A", reading, 60, Hydrometer::none).result.value, glass);
    }

    TEST(DensityTables, CrudeRoundTripGivesBackTheDensity)
    {
        int checked = 0;
        for (double density = 610; density <= 1075; density += 7.75)
            for (double t = -18; t <= 150; t += 4.2) {
                const double observed = density * VCF53A(density, t);
                const TableResult r = table("53A", observed, t, Hydrometer::none);
                EXPECT_NEAR(r.result.value, density, kRoundTrip) << density << " " << t;
                EXPECT_LE(r.iterations, kWorstNewtonSteps);
                ++checked;
            }
        EXPECT_GT(checked, 60 * 40);
    }

    // Over the whole range, each density at 15 °C comes back from the reading its own
    // factor gives, in its own band; where a second band's answer fits the reading too,
    // the density is that one.
    TEST(DensityTables, ProductRoundTripGivesBackTheDensityAndItsBand)
    {
        for (double density = 654; density <= 1074.9; density += 3.1)
            for (double t = -18; t <= 150; t += 12.5) {
                const TableResult factor = table("54B", density, t);
                const double observed = density * factor.result.value;
                const TableResult r = table("53B", observed, t, Hydrometer::none);
                const bool other = r.choice == BaseChoice::twoFit && r.band != factor.band;
                EXPECT_NEAR(other ? r.others.at(0).value : r.result.value, density, kRoundTrip)
                    << density << " " << t;
                EXPECT_EQ(other ? r.others.at(0).name : r.band, factor.band) << density << " " << t;
            }
    }

    TEST(DensityTables, ChooseTheProductBandByTheDensityAt15)
    {
        // Observed at 60 °C, a transition-zone product reads as a gasoline.
        const double density = 775;
        const double observed = density * table("54B", density, 60).result.value;
        ASSERT_LT(observed, 770.7);
        const TableResult r = table("53B", observed, 60, Hydrometer::none);
        EXPECT_EQ(r.band, "transition zone");
        EXPECT_NEAR(r.result.value, density, kRoundTrip);
    }

    TEST(DensityTables, RefuseValuesOutsideTheirRange)
    {
        EXPECT_NO_THROW(table("54A", 610, -18));
        EXPECT_NO_THROW(table("54A", 1075, 150));
        EXPECT_NO_THROW(table("54B", 654, -18));
        EXPECT_NO_THROW(table("54B", 1074.9, 150));
        try {
            table("53A", 609.9, 10, Hydrometer::none);
            FAIL() << "no failure";
        } catch (const OutOfRange& e) {
            EXPECT_STREQ(e.what(),
                "the observed density 609.9 kg/m3 at 10 °C gives density at 15 °C 604.8 kg/m3, "
                "outside table 53A: 610 to 1075 kg/m3");
        }
        try {
            table("54B", 900, 150.5);
            FAIL() << "no failure";
        } catch (const OutOfRange& e) {
            EXPECT_STREQ(e.what(), "temperature 150.5 °C is outside table 54B: -18 to 150 °C");
        }
        EXPECT_THROW(table("54A", 1075.1, 20), OutOfRange);
        EXPECT_THROW(table("54B", 653.9, 20), OutOfRange);
        EXPECT_THROW(table("53B", 1080, 10, Hydrometer::none), OutOfRange);
        EXPECT_THROW(table("53A", 800, -18.1, Hydrometer::none), OutOfRange);
        EXPECT_THROW(table("53A", 0, 20, Hydrometer::none), OutOfRange);
        EXPECT_THROW(table("53B", -800, 20, Hydrometer::none), OutOfRange);
    }

} // namespace
} // namespace corvald::calc::tables
