// corvald-calc: the window's calculation for scripts, batches and hosts without a display.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace corvald::cli {

inline constexpr int kExitComputed = 0;
inline constexpr int kExitRejected = 1; // also: the results could not be written
inline constexpr int kExitUsage = 2;

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false; // a batch shows its progress there
};

// args excludes the program name; returns the exit status.
int runCalcCli(std::span<const std::string_view> args, const Streams& streams);

} // namespace corvald::cli
