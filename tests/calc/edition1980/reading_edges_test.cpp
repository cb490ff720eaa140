// The tables at their edges: published values at the tables' resolution, readings
// where two product bands meet, ranges held in the quantity they are published in,
// and the temperature limits of the light grades.
#include "calc/failure.h"
#include "table_call.h"

#include <gtest/gtest.h>

#include <string>

namespace corvald::calc::tables {
namespace {

    std::string refusal(std::string_view name, double value, double t)
    {
        try {
            table(name, value, t);
        } catch (const OutOfRange& e) {
            return e.what();
        }
        return "no refusal";
    }

    TEST(ReadingEdges, GivePublishedValuesAtTheTablesResolution)
    {
        struct Case {
            const char* table;
            double value, t;
            std::optional<int> decimals;
            const char* printed;
        };
        // The "ASTM Tables Calc" sheet (scribd.com/document/192833803) for 53A, 53B, 6A and
        // 6B; the hydrometer worksheet of Appendix I (Table 5A/B) for 5B; 54B as printed.
        const Case cases[] = {
            { "53A", 779.0, 25, {}, "786.6" }, // 786.647: not the 786.7 of rounding 786.65
            { "53A", 779.0, 25, 2, "786.65" },
            { "53B", 1008.0, 4.5, {}, "1001.2" },
            { "6A", 93.5, 92, {}, "0.9721" },
            { "6A", 93.5, 92, 5, "0.97213" },
            { "6B", 56.5, 67.5, {}, "0.9950" },
            { "5B", 40.5, 83.0, {}, "38.7" },
            { "54B", 884.0, 26, {}, "0.9913" },
        };
        for (const Case& c : cases)
            EXPECT_EQ(
                table(c.table, c.value, c.t, Hydrometer::glass, c.decimals).rounded, c.printed)
                << c.table << " " << c.value << " at " << c.t;
    }

    TEST(ReadingEdges, TakeTheAnswerStrayingLeastWhereNoBandsAnswerLiesInItsBand)
    {
        // 766.4 kg/m3 at 20 °C: the transition zone's answer lies 0.004 below its band,
        // the gasolines' 0.010 above theirs.
        const TableResult r = table("53B", 766.4, 20.0);
        EXPECT_EQ(r.choice, BaseChoice::betweenBands);
        EXPECT_EQ(r.band, "transition zone");
        EXPECT_NEAR(r.result.value, 770.746, 5e-4);
        ASSERT_EQ(r.others.size(), 1U);
        EXPECT_EQ(r.others[0].name, "gasolines");
        EXPECT_NEAR(r.others[0].value, 770.760, 5e-4);
        EXPECT_EQ(table("5B", 47.1, 15.5).choice, BaseChoice::betweenBands);
        EXPECT_EQ(table("53B", 800, 20).choice, BaseChoice::oneFits);
        EXPECT_TRUE(table("53B", 800, 20).others.empty());
    }

    TEST(ReadingEdges, NameTheSecondDensityWhereTwoFitOneReading)
    {
        const TableResult r = table("53B", 799.1, -18);
        EXPECT_EQ(r.choice, BaseChoice::twoFit);
        EXPECT_NEAR(r.result.value, 770.86, 5e-3); // the nearer to the reading
        ASSERT_EQ(r.others.size(), 1U);
        EXPECT_EQ(r.others[0].name, "gasolines");
        EXPECT_NEAR(r.others[0].value, 770.74, 5e-3);
    }

    TEST(ReadingEdges, HoldAReadingAgainstTheRangeOfItsValueAtTheBase)
    {
        EXPECT_EQ(table("53B", 1090, -18).rounded, "1069.1");
        // 54B takes 689.1 kg/m3 at 56 °C; the reading that density gives is taken back.
        const double observed = 689.1 * table("54B", 689.1, 56).result.value;
        EXPECT_LT(observed, 654);
        EXPECT_NEAR(table("53B", observed, 56, Hydrometer::none).result.value, 689.1, 1e-8);
        EXPECT_EQ(refusal("53B", 1100, 20),
            "the observed density 1100 kg/m3 at 20 °C gives density at 15 °C 1103.2 kg/m3, "
            "outside table 53B: 654 to 1074.9 kg/m3");
        // Named as typed, in °API, not as the density the glass correction gives.
        EXPECT_EQ(refusal("5B", 90, 60),
            "the observed API gravity 90 °API at 60 °F gives API gravity at 60 °F 90 °API, "
            "outside table 5B: 0 to 85 °API");
    }

    TEST(ReadingEdges, RefuseTemperaturesBeyondTheLimitsOfLightGrades)
    {
        EXPECT_EQ(refusal("6B", 85, 300),
            "temperature 300 °F is above the limit of table 6B for API gravity at 60 °F 85 °API: "
            "0 to 200 °F");
        EXPECT_NO_THROW(table("6B", 40, 300));
        EXPECT_NO_THROW(table("6A", 50, 250));
        EXPECT_THROW(table("6A", 50, 250.5), OutOfRange);
        EXPECT_THROW(table("6A", 40.1, 250.5), OutOfRange);
        EXPECT_NO_THROW(table("6A", 50.1, 200));
        EXPECT_THROW(table("6A", 50.1, 200.5), OutOfRange);
        // A reading is held to the limit of the gravity it gives at 60 °F.
        EXPECT_EQ(
            refusal("5A", 80, 250).find("temperature 250 °F is above the limit of table 5A"), 0U);
        EXPECT_NO_THROW(table("54B", 654, 150)); // no limits by grade for the metric tables
    }

} // namespace
} // namespace corvald::calc::tables
