// The 15 °C and 20 °C bases of the 2004 edition: round trips between the reading and the
// base, and agreement with the 1980 tables of the window's own companion (the two
// editions fit the same data and differ in the fifth decimal).
#include "calc/edition1980/tables_1980.h"
#include "calc/edition2004/table_calculation.h"
#include "calc/edition2004/tables_2004.h"
#include "calc/tables/registry.h"

#include <cmath>
#include <gtest/gtest.h>

namespace corvald::calc::edition2004 {
namespace {

    TableFigures exact(const char* table, double density, double temperature, double kPa = 0)
    {
        return computeTable(
            *edition2004Table(table), { DensityForm::density, density, temperature, kPa, true });
    }

    TEST(EditionTwentyFourMetricBases, ObservedAndBaseDensitiesRoundTrip)
    {
        struct Pair {
            const char *toBase, *fromBase;
            double lowest = 0; // kg/m3 at the base: the lightest the pair takes
        };
        const Pair pairs[] = { { "53A", "54A" }, { "53B", "54B" }, { "53D", "54D", 810 },
            { "59A", "60A" }, { "59B", "60B" }, { "59D", "60D", 810 } };
        const double densities[] = { 615, 700, 772, 790, 850, 1000, 1160 };
        const double temperatures[] = { -50, -10, 15, 20, 60, 150 };
        for (const Pair& pair : pairs)
            for (double density : densities)
                for (double t : temperatures)
                    for (double kPa : { 0.0, 10000.0 }) {
                        if (density < pair.lowest)
                            continue;
                        SCOPED_TRACE(testing::Message()
                            << pair.fromBase << " " << density << " kg/m3 " << t << " °C " << kPa);
                        const TableFigures there = exact(pair.fromBase, density, t, kPa);
                        const double observed = density * there.ctpl.unrounded;
                        const TableFigures back = exact(pair.toBase, observed, t, kPa);
                        EXPECT_NEAR(back.baseDensity.unrounded, density, 2e-6);
                        EXPECT_NEAR(back.ctpl.unrounded, there.ctpl.unrounded, 5e-9);
                    }
    }

    TEST(EditionTwentyFourMetricBases, AtTheBaseTheFactorIsOne)
    {
        for (const char* table : { "54A", "54B" })
            EXPECT_NEAR(exact(table, 850, 15).ctl.unrounded, 1, 1e-14) << table;
        for (const char* table : { "60A", "60B" })
            EXPECT_NEAR(exact(table, 850, 20).ctl.unrounded, 1, 1e-14) << table;
    }

    double factor1980(const char* table, double density, double temperature)
    {
        return tables::findTable(edition1980::kEdition, table)
            ->procedure({ density, temperature, tables::Hydrometer::glass, std::nullopt })
            .result.value;
    }

    TEST(EditionTwentyFourMetricBases, WithinTheFifthDecimalOfTheEditionOf1980)
    {
        for (double density = 620; density <= 1070; density += 50)
            for (double t = -10; t <= 90; t += 10) {
                SCOPED_TRACE(testing::Message() << density << " kg/m3 " << t << " °C");
                EXPECT_NEAR(
                    exact("54A", density, t).ctl.unrounded, factor1980("54A", density, t), 2.5e-4);
            }
        // Refined products away from the bands' edges, where the two editions cut alike.
        for (double density : { 660.0, 720.0, 800.0, 820.0, 900.0, 1000.0 })
            for (double t = -10; t <= 90; t += 10) {
                SCOPED_TRACE(testing::Message() << density << " kg/m3 " << t << " °C");
                EXPECT_NEAR(
                    exact("54B", density, t).ctl.unrounded, factor1980("54B", density, t), 2.5e-4);
            }
    }

} // namespace
} // namespace corvald::calc::edition2004
