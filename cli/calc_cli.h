// corvald-calc: the window's calculation for scripts, batches and hosts without a display.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace corvald::cli {

inline constexpr int kExitComputed = 0;
inline constexpr int kExitRejected = 1;
inline constexpr int kExitUsage = 2;

// args excludes the program name; returns the exit status.
int runCalcCli(
    std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace corvald::cli
