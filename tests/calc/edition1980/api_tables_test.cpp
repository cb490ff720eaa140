#include "calc/failure.h"
#include "calc/tables/api_gravity.h"
#include "table_call.h"

#include <gtest/gtest.h>

namespace corvald::calc::tables {
namespace {

    constexpr double kRoundTrip = 1e-8; // °API
    // Newton's steps over the whole range, as bench/table_iterations measures them.
    constexpr int kWorstNewtonSteps = 6;

    // The highest temperature of a grade, as the °F tables are published (MTS Level Plus
    // manual, "API Table Information").
    double publishedLimit(double api) { return api <= 40 ? 300 : api <= 50 ? 250 : 200; }

    TEST(ApiGravity, ConvertsToAndFromRelativeDensity)
    {
        EXPECT_EQ(relativeDensityOfApi(10), 1.0);
        EXPECT_EQ(apiOfRelativeDensity(1.0), 10.0);
        EXPECT_EQ(densityOfApi(10), 999.016);
        EXPECT_DOUBLE_EQ(relativeDensityOfApi(27.1), 141.5 / 158.6);
        for (double api = 0; api <= 100; api += 0.7)
            EXPECT_NEAR(apiOfDensity(densityOfApi(api)), api, 1e-12) << api;
        EXPECT_THROW(relativeDensityOfApi(-131.5), Overflow);
    }

    TEST(ApiTables, GiveThePublishedValues)
    {
        // Published values, and the "ASTM Tables Calc" sheet (scribd.com/document/192833803):
        // 6A 93.5 at 92 °F -> 0.97213, 6B 63 at 75 °F -> 0.9895, 5A 8.5 at 210 °F -> 2.28,
        // 5B 10.5 at 135 °F -> 6.74.
        EXPECT_EQ(table("6A", 27.1, 112.1).rounded, "0.9775");
        const TableResult gasoline = table("6B", 56.5, 67.5);
        EXPECT_EQ(gasoline.rounded, "0.9950");
        EXPECT_EQ(gasoline.band, "gasolines");
        EXPECT_NEAR(table("6A", 93.5, 92).result.value, 0.97213, 5e-6);
        EXPECT_EQ(table("6B", 63, 75).rounded, "0.9895");
        EXPECT_EQ(table("5A", 8.5, 210, Hydrometer::glass, 2).rounded, "2.28");
        const TableResult fuelOil = table("5B", 10.5, 135, Hydrometer::glass, 2);
        EXPECT_EQ(fuelOil.rounded, "6.74");
        EXPECT_EQ(fuelOil.band, "fuel oils");
    }

    TEST(ApiTables, ChooseTheProductBandByTheApiGravityAt60)
    {
        const std::pair<double, const char*> cases[]
            = { { 0, "fuel oils" }, { 37.0, "fuel oils" }, { 37.04, "fuel oils" },
                  { 37.06, "jet fuels" }, { 47.9, "jet fuels" }, { 48.0, "transition zone" },
                  { 52.0, "transition zone" }, { 52.1, "gasolines" }, { 85, "gasolines" } };
        for (const auto& [api, band] : cases)
            EXPECT_EQ(table("6B", api, 100).band, band) << api;
        const TableResult transition = table("6B", 50, 100);
        EXPECT_EQ(transition.constants[0].name, "A");
        EXPECT_EQ(transition.constants[0].value, -0.0018684);
        EXPECT_EQ(transition.constants[1].value, 1489.0670);
        const double rho = densityOfApi(50);
        EXPECT_EQ(transition.alpha, 1489.0670 / rho / rho - 0.0018684);
        const TableResult jet = table("6B", 40, 100);
        EXPECT_EQ(jet.alpha, 330.3010 / densityOfApi(40) / densityOfApi(40));
        const TableResult fuel = table("6B", 20, 100);
        EXPECT_EQ(
            fuel.alpha, 103.8720 / densityOfApi(20) / densityOfApi(20) + 0.2701 / densityOfApi(20));
    }

    TEST(ApiTables, CrudeRoundTripGivesBackTheApiGravity)
    {
        int checked = 0;
        for (double api = 0; api <= 100; api += 2.5)
            for (double t = 0; t <= 300; t += 12.5) {
                if (t > publishedLimit(api))
                    continue;
                const double observed
                    = apiOfDensity(densityOfApi(api) * table("6A", api, t).result.value);
                const TableResult r = table("5A", observed, t, Hydrometer::none);
                EXPECT_NEAR(r.result.value, api, kRoundTrip) << api << " " << t;
                EXPECT_LE(r.iterations, kWorstNewtonSteps);
                ++checked;
            }
        EXPECT_GT(checked, 800);
    }

    TEST(ApiTables, ProductRoundTripGivesBackTheApiGravity)
    {
        for (double api = 0; api <= 85; api += 2.3)
            for (double t = 0; t <= 300; t += 25) {
                if (t > publishedLimit(api))
                    continue;
                const TableResult factor = table("6B", api, t);
                const double observed = apiOfDensity(densityOfApi(api) * factor.result.value);
                const TableResult r = table("5B", observed, t, Hydrometer::none);
                const bool other = r.choice == BaseChoice::twoFit && r.band != factor.band;
                EXPECT_NEAR(other ? r.others.at(0).value : r.result.value, api, kRoundTrip)
                    << api << " " << t;
                EXPECT_EQ(other ? r.others.at(0).name : r.band, factor.band) << api << " " << t;
            }
    }

    TEST(ApiTables, CorrectTheHydrometerGlassOnlyWhenAsked)
    {
        EXPECT_EQ(glassFactorFahrenheit(60), 1.0);
        EXPECT_DOUBLE_EQ(glassFactorFahrenheit(160), 1 - 0.001278 - 0.000062);
        // A hotter glass reads a lighter oil: without the correction the API gravity
        // at 60 °F comes out lower.
        EXPECT_LT(table("5A", 8.5, 210, Hydrometer::none).result.value,
            table("5A", 8.5, 210, Hydrometer::glass).result.value);
    }

    TEST(ApiTables, RefuseValuesOutsideTheirRange)
    {
        EXPECT_NO_THROW(table("6A", 0, 0));
        EXPECT_NO_THROW(table("6A", 100, 200));
        EXPECT_NO_THROW(table("6B", 40, 300));
        try {
            table("6B", 85.5, 60);
            FAIL() << "no failure";
        } catch (const OutOfRange& e) {
            EXPECT_STREQ(
                e.what(), "API gravity at 60 °F 85.5 °API is outside table 6B: 0 to 85 °API");
        }
        try {
            table("5A", 30, 300.5, Hydrometer::glass);
            FAIL() << "no failure";
        } catch (const OutOfRange& e) {
            EXPECT_STREQ(e.what(), "temperature 300.5 °F is outside table 5A: 0 to 300 °F");
        }
        EXPECT_THROW(table("5A", -0.1, 60, Hydrometer::none), OutOfRange);
        EXPECT_THROW(table("5A", -131.5, 60, Hydrometer::none), OutOfRange);
        EXPECT_THROW(table("6A", 100.1, 60), OutOfRange);
        EXPECT_THROW(table("6A", 50, -0.1), OutOfRange);
        // An observed gravity inside whose gravity at 60 °F is not.
        EXPECT_THROW(table("5A", 8.5, 300, Hydrometer::glass), OutOfRange);
    }

} // namespace
} // namespace corvald::calc::tables
