// The command line of corvald-calc.
#pragma once

#include "cli/window_calculation.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace corvald::cli {

// text, json and csv run the window's crude-oil calculation; product and
// productExact the refined-product factors on the table grid and on the exact inputs.
enum class OutputForm { text, json, csv, product, productExact };

struct CalcOptions {
    OutputForm form = OutputForm::text;
    WindowInput input;
};

struct ShowHelp { };

struct UsageError {
    std::string reason;
};

using ParsedCommandLine = std::variant<CalcOptions, ShowHelp, UsageError>;

// args excludes the program name.
ParsedCommandLine parseCommandLine(std::span<const std::string_view> args);

// "m3" or "mt"; "vacuum" or "air". False for any other text.
bool parseDirection(std::string_view text, Direction& direction);
bool parseBasis(std::string_view text, Basis& basis);
std::string_view directionName(Direction direction);
std::string_view basisName(Basis basis);

extern const std::string_view kUsage;

} // namespace corvald::cli
