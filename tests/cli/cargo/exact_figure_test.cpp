#include "cli/cargo/exact_figure.h"

#include <gtest/gtest.h>

namespace corvald::cli::cargo {
namespace {

    // The figure as a number GoogleTest can print.
    long long n(Wide figure) { return static_cast<long long>(figure); }

    TEST(ExactFigure, AProductIsRoundedOnceHalfAwayFromZero)
    {
        // 1001.250 x 0.9876 = 988.8345 exactly: a double holds 988.83449999999993.
        EXPECT_EQ(n(roundedProduct({ 1001250, 3 }, { 9876, 4 }, 3)), 988835);
        EXPECT_EQ(n(roundedProduct({ -1001250, 3 }, { 9876, 4 }, 3)), -988835);
        EXPECT_EQ(n(roundedProduct({ 1001249, 3 }, { 9876, 4 }, 3)), 988834);
        // 1974.400 x 0.35 / 100 = 6.9104
        EXPECT_EQ(n(roundedProduct({ 1974400, 3 }, exactOf(0.35), 3, 2)), 6910);
        // A factor far below the last place leaves nothing, whatever its scale.
        EXPECT_EQ(n(roundedProduct({ 1974400, 3 }, exactOf(1e-300), 3, 2)), 0);
        EXPECT_EQ(n(rounded(exactOf(1000.0005), 3)), 1000001);
        EXPECT_EQ(n(rounded(exactOf(0.0004999), 3)), 0);
    }

    TEST(ExactFigure, ADifferenceKeepsTheFinerScale)
    {
        const Exact air = difference(exactOf(0.85), exactOf(0.0011));
        EXPECT_EQ(n(roundedProduct({ 995700, 3 }, air, 3)), 845250); // 845.24973
    }

    // Sums of many tanks reach digits that a double's 15 cannot hold.
    TEST(ExactFigure, FiguresOfAnyLengthAreShownToTheLastDigit)
    {
        const Wide many = Wide { 999'999'999'999 } * 100'000;
        EXPECT_EQ(shownFigure(many, 3), "99,999,999,999,900.000");
        EXPECT_EQ(plainFigure(many + 1, 3), "99999999999900.001");
        EXPECT_EQ(shownFigure(-2500, 3), "(2.500)");
        EXPECT_EQ(plainFigure(-2500, 3), "-2.500");
        EXPECT_EQ(plainFigure(0, 3), "0.000");
        EXPECT_EQ(plainFigure(9872, 4), "0.9872");
    }

} // namespace
} // namespace corvald::cli::cargo
