// The batch form of corvald-calc: a header that names the columns, then rows of
// inputs; one row of results out for each, as CSV or as JSON Lines. A bad row
// is reported in its own output row and never stops the batch.
#pragma once

#include "cli/command_line.h"
#include "cli/progress.h"

#include <cstddef>
#include <iosfwd>
#include <string_view>

namespace corvald::cli {

// The longest field a row may have, in bytes; a longer one makes the row a row error.
inline constexpr std::size_t kLongestField = 100;

enum class BatchEnd {
    allComputed,
    someRejected, // rows the window rejected or that were malformed
    notAHeader, // nothing was written
    inputFailed, // the rows before the failed read were written
    outputFailed, // writing stopped at the first failure
    stopped, // by a stop signal, after the rows read before it came
};

// Reads the rows from `in`, named `source` in messages; `defaults` gives from and
// basis to rows whose header leaves them out. Problems of the whole input (a
// first line that is no header, a failed read, a stop signal) go to `err`.
BatchEnd runBatch(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err,
    Format format, const WindowInput& defaults, Progress& progress);

} // namespace corvald::cli
