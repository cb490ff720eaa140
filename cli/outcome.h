// What one calculation of corvald-calc gives: its results as the window shows
// them, or the message that rejected the input.
#pragma once

#include "cli/window_calculation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvald::cli {

struct ShownResult {
    std::string_view key; // the result's name in JSON
    std::string caption;
    std::string shown; // as the window shows it: "1,004.319", "(2.500)", "1.5E-05"
    std::string unit; // empty where the result has none
    bool unitInJson = false; // also written to JSON, as key + "_unit"
};

struct Outcome {
    std::optional<Rejection> rejection;
    std::vector<ShownResult> results;
};

// The four results of the crude-oil calculation, or its rejection.
Outcome crudeOutcome(const WindowOutcome& window);

} // namespace corvald::cli
