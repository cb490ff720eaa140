// The density at 60 °F found from an observed density: the published examples of API MPMS
// Chapter 11.1-2004, round trips through the factors over the range, and the refusals.
#include "calc/edition2004/base_density.h"
#include "calc/edition2004/table_calculation.h"
#include "calc/edition2004/tables_2004.h"
#include "calc/failure.h"

#include <gtest/gtest.h>

#include <string>

namespace corvald::calc::edition2004 {
namespace {

    struct Example {
        const char* table;
        DensityForm form;
        double observed, temperature, pressure; // °F and psig
        const char* group;
        double density60, ctl, ctpl; // as published
        double tolerance; // kg/m3 on ρ60
    };

    // The standard's examples of observed to base (inputs as given). The step reproduces
    // every digit where the group's α60 has one term; for the refined products whose α60
    // has two, the standard's figure lies elsewhere on its way to the same root, within
    // the step the iteration stops under, and its factors agree to the digits shown.
    constexpr double kExact = 1e-12 * 1000;
    const Example kExamples[] = {
        { "5A", DensityForm::density, 823.7, 80.3, -5, "crude oils", 832.048516184234,
            0.989966310837, 0.98997, kExact },
        { "23A", DensityForm::relativeDensity, 0.72332, -57.95, 113.5, "crude oils",
            663.445062852402, 1.088429741690, 1.08918, kExact },
        { "5B", DensityForm::api, 41.4, 72, 375, "jet fuels", 820.670624131605, 0.994103137645,
            0.99624, kExact },
        { "5D", DensityForm::api, 23.6, 78.7, 128, "lubricating oils", 917.442430351448,
            0.992874116475, 0.99343, kExact },
        // Observed lighter than any lubricating oil: the iteration starts on the lower bound.
        { "5D", DensityForm::api, 62, 302, 1499.97, "lubricating oils", 801.061124838869,
            0.892011191342, 0.91197, kExact },
        { "23B", DensityForm::relativeDensity, 0.8665, 68, 11, "fuel oils", 868.722680008428,
            0.996406814700, 0.99646, 3e-9 },
        // Just below the jet-fuel boundary: an iteration that kept the group of the
        // observed density would end among the jet fuels, 0.0015 kg/m3 higher.
        { "5B", DensityForm::density, 803.141, 25.3, 267, "transition zone", 787.507922593917,
            1.018381017381, 1.01985, kDensityTolerance },
        { "5B", DensityForm::api, 49.85, 41.85, 248.3, "gasolines", 769.3624510058947,
            1.011613933078, 1.01317, kDensityTolerance },
        { "23B", DensityForm::relativeDensity, 0.7322, 139, 100, "gasolines", 770.349794252060,
            0.948677079691, 0.94954, 1.1 * kDensityTolerance },
    };

    TEST(EditionTwentyFourBaseDensity, PublishedExamples)
    {
        for (const Example& e : kExamples) {
            SCOPED_TRACE(testing::Message() << e.table << " " << e.observed);
            const TableFigures f = computeTable(*edition2004Table(e.table),
                { e.form, e.observed, e.temperature, e.pressure, true });
            EXPECT_EQ(f.group.name, e.group);
            EXPECT_NEAR(f.density60, e.density60, e.tolerance);
            EXPECT_NEAR(f.ctl.unrounded, e.ctl, e.tolerance > kExact ? 1e-9 : 0.5e-12);
            EXPECT_DOUBLE_EQ(f.ctpl.rounded, e.ctpl);
        }
    }

    TEST(EditionTwentyFourBaseDensity, RoundTripsThroughTheFactors)
    {
        const double densities[] = { 611, 700, 770.36, 787.51, 787.53, 838.3, 900, 1163 };
        const double temperatures[] = { -58, 0, 59.9, 150, 302 };
        const double pressures[] = { 0, 1500 };
        for (const Commodity commodity :
            { Commodity::crudeOils, Commodity::refinedProducts, Commodity::lubricatingOils })
            for (double density : densities)
                for (double t : temperatures)
                    for (double p : pressures) {
                        if (density < densityRange(commodity).lowest)
                            continue;
                        SCOPED_TRACE(testing::Message()
                            << density << " kg/m3 " << t << " °F " << p << " psig");
                        const Conditions c { t, p };
                        const CorrectionFactors there
                            = correctionFactors(groupFor(commodity, density), density, c);
                        const BaseDensity back = baseDensity(commodity, density * there.ctpl, c);
                        EXPECT_NEAR(back.factors.density60, density, 2e-6);
                        EXPECT_LT(back.steps, kMaxSteps);
                    }
    }

    // The lightest oils, hot and under high pressure: below the range their observed
    // density rises again as the density at 60 °F falls, so 540 kg/m3 is also what a
    // 493 kg/m3 oil would show. The iteration starts inside the range and finds the one
    // density there; a reading lighter than any oil of the range shows is refused.
    TEST(EditionTwentyFourBaseDensity, TheLightestOilsHotUnderPressureFindTheirDensityInRange)
    {
        const TableFigures f
            = computeTable(*edition2004Table("5A"), { DensityForm::density, 540, 302, 1500, true });
        EXPECT_NEAR(f.density60 * f.ctpl.unrounded, 540, 1e-9);
        EXPECT_DOUBLE_EQ(f.baseDensity.rounded, 623.1);
        try {
            computeTable(*edition2004Table("5A"), { DensityForm::density, 530, 302, 1500, true });
            ADD_FAILURE() << "computed";
        } catch (const OutOfRange& e) {
            EXPECT_STREQ(e.what(),
                "observed density 530 kg/m3 at 302 °F and 1500 psig is outside table 5A: its "
                "density at 60 °F, 602.5 kg/m3, lies outside 610.6 to 1163.5 kg/m3");
        }
    }

    TEST(EditionTwentyFourBaseDensity, ReadingsWithoutABaseDensityAreRefused)
    {
        struct Case {
            const char* table;
            double density, temperature;
            const char* text;
        };
        const Case cases[] = {
            { "5A", 1250, 60,
                "observed density 1250 kg/m3 at 60 °F and 0 psig is outside table 5A: its "
                "density at 60 °F, 1250.0 kg/m3, lies outside 610.6 to 1163.5 kg/m3" },
            { "5B", 560, 60,
                "observed density 560 kg/m3 at 60 °F and 0 psig is outside table 5B: its "
                "density at 60 °F, 560.0 kg/m3, lies outside 610.6 to 1163.5 kg/m3" },
            { "5A", 5, 302, "observed density 5 kg/m3 at 302 °F and 0 psig" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            try {
                computeTable(*edition2004Table(c.table),
                    { DensityForm::density, c.density, c.temperature, 0, true });
                ADD_FAILURE() << "computed";
            } catch (const Failure& e) {
                EXPECT_EQ(std::string(e.what()).rfind(c.text, 0), 0u) << e.what();
            }
        }
    }

} // namespace
} // namespace corvald::calc::edition2004
