// What the 2004 tables round and refuse: inputs rounded to their resolution before the
// calculation, results after it, and readings outside the ranges refused with the range.
#include "calc/edition2004/table_calculation.h"
#include "calc/edition2004/tables_2004.h"
#include "calc/failure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvald::calc::edition2004 {
namespace {

    TableFigures rounded(
        const char* table, DensityForm form, double density, double t, double p, double alpha = 0)
    {
        return computeTable(*edition2004Table(table), { form, density, t, p, false, alpha });
    }

    TEST(EditionTwentyFourRounding, InputsToTheirResolutionTiesAwayFromZero)
    {
        struct Case {
            const char* table;
            DensityForm form;
            double density, temperature, pressure;
            double usedDensity, usedTemperature, usedPressure;
        };
        const Case cases[] = {
            { "6A", DensityForm::api, 17.785, -27.75, 0.5, 17.8, -27.8, 1 },
            { "6A", DensityForm::api, -5.04, 100.04, -7.5, -5.0, 100.0, -8 },
            { "24A", DensityForm::relativeDensity, 0.85555, 60.05, 1499.4, 0.8556, 60.1, 1499 },
            { "6B", DensityForm::density, 657.35, 27.3, 1234.5, 657.4, 27.3, 1235 },
            { "54A", DensityForm::density, 850.04, 30.024, 2.5, 850.0, 30.0, 5 },
            { "54A", DensityForm::density, 850.05, 30.025, 1232.4, 850.1, 30.05, 1230 },
            { "60B", DensityForm::density, 700, -10.075, 7.5, 700, -10.1, 10 },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                << c.table << " " << c.density << " " << c.temperature << " " << c.pressure);
            const TableFigures f = rounded(c.table, c.form, c.density, c.temperature, c.pressure);
            EXPECT_DOUBLE_EQ(f.used.density, c.usedDensity);
            EXPECT_DOUBLE_EQ(f.used.temperature, c.usedTemperature);
            EXPECT_DOUBLE_EQ(f.used.pressure, c.usedPressure);
        }
    }

    TEST(EditionTwentyFourRounding, ResultsToTheirPlacesTheProductOfTheUnroundedFactors)
    {
        // The gasoline example: CTL 1.02648 and CPL 1.01242 rounded multiply to 1.03923,
        // the unrounded factors to 1.03922.
        const TableFigures f = computeTable(
            *edition2004Table("6B"), { DensityForm::density, 657.3, 27.3, 1234.5, true });
        EXPECT_DOUBLE_EQ(f.ctl.rounded, 1.02648);
        EXPECT_DOUBLE_EQ(f.cpl.rounded, 1.01242);
        EXPECT_DOUBLE_EQ(f.ctpl.rounded, 1.03922);
        const TableFigures api = rounded("5A", DensityForm::api, 30.0, 90.0, 0);
        EXPECT_DOUBLE_EQ(api.baseValue.rounded, std::round(api.baseValue.unrounded * 10) / 10);
        EXPECT_NE(api.baseValue.rounded, api.baseValue.unrounded);
    }

    TEST(EditionTwentyFourRounding, AVacuumCorrectsLikeAtmosphericPressure)
    {
        const TableFigures vacuum = rounded("6B", DensityForm::api, 19.4, 48.0, -7.3);
        const TableFigures atmosphere = rounded("6B", DensityForm::api, 19.4, 48.0, 0);
        EXPECT_DOUBLE_EQ(vacuum.cpl.unrounded, 1);
        EXPECT_DOUBLE_EQ(vacuum.ctpl.unrounded, atmosphere.ctpl.unrounded);
    }

    TEST(EditionTwentyFourRanges, EdgesAcceptedBeyondRefusedWithTheRange)
    {
        struct Case {
            const char* table;
            double density, temperature, pressure;
            const char* refusal; // empty: computed
            double alpha60 = 0;
        };
        const Case cases[] = {
            { "6C", 30, 60, 0, "", 0.00093 },
            { "6C", 30, 60, 0, "", 0.00023 },
            { "6C", 30, 60, 0,
                "thermal expansion coefficient 0.000931 1/°F is outside table 6C: 0.00023 to "
                "0.00093 1/°F",
                0.000931 },
            { "6C", 30, 60, 0,
                "thermal expansion coefficient 0.000229 1/°F is outside table 6C: 0.00023 to "
                "0.00093 1/°F",
                0.000229 },
            { "6A", 30, 302.04, 1500.4, "" },
            { "6A", 30, -58.04, -14.6, "" },
            { "6A", 30, 302.05, 0, "temperature 302.05 °F is outside table 6A: -58 to 302 °F" },
            { "6A", 30, 60, 1500.5,
                "pressure 1500.5 psig is outside table 6A: -14.696 to 1500 psig" },
            { "6A", 30, 60, -15, "pressure -15 psig is outside table 6A: -14.696 to 1500 psig" },
            { "54A", 850, 150.02, 10342, "" },
            { "54A", 850, -50.03, 0, "temperature -50.03 °C is outside table 54A: -50 to 150 °C" },
            { "54A", 850, 20, 10345,
                "pressure 10345 kPa is outside table 54A: -101.3 to 10342.1 kPa" },
            { "6A", 100.04, 60, 0, "" },
            { "6A", -10.04, 60, 0, "" },
            { "6A", -10.05, 60, 0,
                "API gravity -10.05 °API at 60 °F, for 60 °F and 0 psig is outside table 6A: "
                "its density at 60 °F, 1164.4 kg/m3, lies outside 610.6 to 1163.5 kg/m3" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                << c.table << " " << c.density << " " << c.temperature << " " << c.pressure);
            const DensityForm form = c.table[0] == '6' ? DensityForm::api : DensityForm::density;
            try {
                rounded(c.table, form, c.density, c.temperature, c.pressure, c.alpha60);
                EXPECT_STREQ(c.refusal, "");
            } catch (const OutOfRange& e) {
                EXPECT_STREQ(e.what(), c.refusal);
            }
        }
    }

} // namespace
} // namespace corvald::calc::edition2004
