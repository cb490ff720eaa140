#include "cli/window_calculation.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace corvald::cli {
namespace {

    // The batch's calculation without a window gives what a fresh window gives:
    // the same message, or the same four captions.
    void expectTheWindowsResults(const WindowInput& input)
    {
        const ui::RunCaptions batch = ui::calculationRun(freshWindowInputs(input));
        const WindowOutcome window = calculateOnFreshWindow(input);
        std::ostringstream shown;
        shown << "quantity \"" << input.quantity << "\" temperature \"" << input.temperature
              << "\" density \"" << input.density << "\" "
              << (input.direction == Direction::massToVolume ? "mt " : "m3 ")
              << (input.basis == Basis::air ? "air" : "vacuum");
        ASSERT_EQ(batch.message.has_value(), window.rejection.has_value()) << shown.str();
        if (batch.message) {
            ASSERT_EQ(batch.message->title, window.rejection->title) << shown.str();
            ASSERT_EQ(batch.message->prompt, window.rejection->prompt) << shown.str();
            return;
        }
        const WindowCaptions& r = window.results;
        ASSERT_EQ(batch.densityInAir, r.densityInAir) << shown.str();
        ASSERT_EQ(batch.factor, r.factor) << shown.str();
        ASSERT_EQ(batch.volume15, r.volume15) << shown.str();
        ASSERT_EQ(batch.result, r.result) << shown.str();
    }

    WindowInput input(std::string quantity, std::string temperature, std::string density,
        Direction direction = Direction::volumeToMass, Basis basis = Basis::vacuum)
    {
        return { std::move(quantity), std::move(temperature), std::move(density), direction,
            basis };
    }

    TEST(BatchCalculation, GivesTheWindowsCaptionsAtTheEdgesOfEveryCheck)
    {
        const char* quantities[] = { "1000", "0", "-0", "-1", "", " ", " 850 ", "+1000", "1E+300",
            "1.5E-05", "999999999999999", "12,5", "x" };
        const char* temperatures[]
            = { "20.0", "-18", "-18.0001", "95", "15", "120", "", "1E+200", "-1E+200", "warm" };
        const char* densities[] = { "0.8500", "0.610", "0.6099", "0.6110", "0.6111", "1.075",
            "1.0751", "0", "-0.5", "", "1E-320", "1E+308", "heavy" };
        for (const char* q : quantities)
            for (const char* t : temperatures)
                for (const char* d : densities)
                    for (const Direction direction :
                        { Direction::volumeToMass, Direction::massToVolume })
                        for (const Basis basis : { Basis::vacuum, Basis::air })
                            expectTheWindowsResults(input(q, t, d, direction, basis));
    }

    // n / 10^decimals written with exactly `decimals` decimals; n is not negative.
    std::string fixed(long long n, int decimals)
    {
        std::string digits = std::to_string(n);
        const auto places = static_cast<std::size_t>(decimals);
        if (places == 0)
            return digits;
        if (digits.size() <= places)
            digits = std::string(places + 1 - digits.size(), '0').append(digits);
        return digits.substr(0, digits.size() - places)
            .append(".")
            .append(digits.substr(digits.size() - places));
    }

    TEST(BatchCalculation, GivesTheWindowsCaptionsOverManyRandomInputs)
    {
        std::mt19937_64 draw(1250);
        auto between = [&draw](long long low, long long high) {
            return std::uniform_int_distribution<long long>(low, high)(draw);
        };
        for (int i = 0; i < 40'000; ++i) {
            expectTheWindowsResults(input(fixed(between(0, 999'999'999'999), int(between(0, 6))),
                fixed(between(-200, 1000), int(between(0, 2))), fixed(between(6000, 10800), 4),
                between(0, 1) ? Direction::massToVolume : Direction::volumeToMass,
                between(0, 1) ? Basis::air : Basis::vacuum));
        }
    }

} // namespace
} // namespace corvald::cli
