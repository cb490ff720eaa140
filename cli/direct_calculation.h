// The crude-oil calculation of a batch row without a window: the window's own
// procedures and number conversions, in the window's order, on plain values
// instead of the captions of a fresh window. A caption that the window writes
// and reads back is written and read back here too, so every result has the
// same bytes as on the window.
#pragma once

#include "cli/window_calculation.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvald::cli {

// The four results as the window shows them, and the unit of the last one.
struct ShownResults {
    std::string densityInAir, factor, volume15, result;
    std::string_view resultUnit;
};

// The results of an input that the window computes without a message. Empty
// for every other input: the window itself then tells what it shows.
std::optional<ShownResults> directCalculation(const WindowInput& input);

} // namespace corvald::cli
