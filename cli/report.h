// How corvald-calc writes an outcome: its results as lines of text or as one
// JSON object, a rejection as its message.
#pragma once

#include "cli/outcome.h"
#include "ui/main/calculation_run.h"

#include <iosfwd>
#include <string>

namespace corvald::cli {

inline constexpr std::string_view kProgramName = "corvald-calc";
using ui::kCheckInput;

// "Caption  shown unit", one line per result.
std::string textReport(const Outcome& outcome);

// {"key": number, ...} with the window's digits, or {"title": ..., "prompt": ...}.
std::string jsonReport(const Outcome& outcome);

// "corvald-calc: TITLE: PROMPT" on a line of its own.
void reportRejection(std::ostream& err, const Rejection& rejection);

} // namespace corvald::cli
