#include "calc/number_text.h"
#include "ui/main/pick_lists.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvald::ui {
namespace {

    TEST(TemperatureList, RunsFromMinusEighteenToNinetyFiveInTenths)
    {
        EXPECT_EQ(temperatureItem(0), "-18.0");
        EXPECT_EQ(temperatureItem(1), "-17.9");
        EXPECT_EQ(temperatureItem(179), "-0.1");
        EXPECT_EQ(temperatureItem(180), "0.0"); // the 181st item
        EXPECT_EQ(temperatureItem(181), "0.1");
        EXPECT_EQ(temperatureItem(189), "0.9");
        EXPECT_EQ(temperatureItem(190), "1.0");
        EXPECT_EQ(temperatureItem(1129), "94.9");
        EXPECT_EQ(temperatureItem(kTemperatureItemCount - 1), "95.0");
    }

    TEST(DensityList, RunsFromSevenTenthsToOnePointZeroSevenFourNine)
    {
        EXPECT_EQ(densityItem(0), "0.7000");
        EXPECT_EQ(densityItem(1), "0.7001");
        EXPECT_EQ(densityItem(2999), "0.9999");
        EXPECT_EQ(densityItem(3000), "1.0000"); // the 3001st item
        EXPECT_EQ(densityItem(kDensityItemCount - 1), "1.0749");
    }

    // Every item reads as its own value, one step above the one before it.
    TEST(PickLists, AscendWithoutGapOrRepetition)
    {
        for (int i = 0; i < kTemperatureItemCount; ++i) {
            const double value = calc::readNumber(temperatureItem(i));
            EXPECT_EQ(std::lround(value * 10), i - 180) << temperatureItem(i);
        }
        for (int i = 0; i < kDensityItemCount; ++i) {
            EXPECT_EQ(densityItem(i).size(), 6u);
            const double value = calc::readNumber(densityItem(i));
            EXPECT_EQ(std::lround(value * 10000), i + 7000) << densityItem(i);
        }
    }

    TEST(TemperatureList, WritesZeroWithoutSignAndNoLeadingZeros)
    {
        for (int i = 0; i < kTemperatureItemCount; ++i) {
            const std::string_view item = temperatureItem(i);
            EXPECT_NE(item, "-0.0");
            const std::size_t digits = item.starts_with('-') ? 1 : 0;
            EXPECT_FALSE(item.size() > digits + 3 && item[digits] == '0') << item;
        }
    }

} // namespace
} // namespace corvald::ui
