// The command line of corvald-calc: one mode, one output form, the inputs.
#pragma once

#include "cli/window_calculation.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace corvald::cli {

// crude: one run of the window's crude-oil calculation; batch: that
// calculation over the rows of a CSV; product and productExact: the
// refined-product factor on the table grid and on the exact inputs; table:
// one of the companion tables; cargo: the quantity report of a cargo's tanks.
enum class Mode { crude, batch, product, productExact, table, cargo };

// The texts of the table mode's options; an option not given is empty.
struct TableInput {
    std::string name;
    std::optional<std::string> density, api, temperature, hydrometer, decimals;
    std::optional<std::string> edition, pressure, relativeDensity, alpha;
    bool exact = false;
};

// csv: the cargo report as CSV (the batch writes CSV as its text).
enum class Format { text, json, csv };

struct Invocation {
    Mode mode = Mode::crude;
    Format format = Format::text;
    WindowInput input; // in batch mode, the defaults of rows that leave out from or basis
    std::string rowsFile; // batch and cargo modes: empty or "-" for standard input
    TableInput table; // table mode
};

struct ShowHelp { };
struct ShowVersion { };

struct UsageError {
    std::string reason;
};

using CommandLine = std::variant<Invocation, ShowHelp, ShowVersion, UsageError>;

// args excludes the program name.
CommandLine parseCommandLine(std::span<const std::string_view> args);

// "m3" or "mt"; "vacuum" or "air". False for any other text.
bool parseDirection(std::string_view text, Direction& direction);
bool parseBasis(std::string_view text, Basis& basis);
std::string_view directionName(Direction direction);
std::string_view basisName(Basis basis);

} // namespace corvald::cli
