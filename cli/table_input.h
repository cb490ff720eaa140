// The numbers of the table modes, read as the window reads them, and how the table
// modes report what they cannot compute.
#pragma once

#include "calc/failure.h"
#include "cli/table_mode.h"

#include <functional>
#include <iosfwd>
#include <string>

#include <string_view>

namespace corvald::cli {

// An input that the window's number reading refuses, named with its text.
class UnreadableInput : public calc::Failure {
public:
    using Failure::Failure;
};

// The number of text, or UnreadableInput: the <name> "<text>" is not a number.
double readTableInput(std::string_view name, std::string_view text);

// Writes "corvald-calc: PROBLEM. Try 'corvald-calc --help'" to err; returns usage.
TableStatus reportUsage(std::ostream& err, const std::string& problem);

// Runs computeAndPrint. A failure it raises is written to err, and with json as a JSON
// rejection to out: an unreadable or out-of-range input under the window's title, any
// other failure under "Table NAME".
TableStatus runReported(std::string_view table, bool json, std::ostream& out, std::ostream& err,
    const std::function<void()>& computeAndPrint);

} // namespace corvald::cli
