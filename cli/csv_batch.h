// The batch form of corvald-calc: rows of inputs in, one row of results out for
// each. A bad row is reported in its own row and never stops the batch.
#pragma once

#include "cli/window_calculation.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace corvald::cli {

// The fields of one CSV line; a field in double quotes may hold commas and "" for a quote.
std::vector<std::string> csvFields(std::string_view line);

// A field as CSV writes it: quoted when it holds a comma, a quote or a line break.
std::string csvField(std::string_view text);

// Reads a header line and then rows "quantity,temperature,density[,from[,basis]]";
// a row that leaves out from or basis takes them from `defaults`. Returns true
// when every row was computed.
bool runCsvBatch(std::istream& in, std::ostream& out, const WindowInput& defaults);

} // namespace corvald::cli
