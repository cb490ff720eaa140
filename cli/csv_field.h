// Fields as corvald-calc writes them into CSV.
#pragma once

#include <string>
#include <string_view>

namespace corvald::cli {

// Appends text as one CSV field: quoted when it holds a comma, a quote or a line break.
void appendCsvField(std::string& out, std::string_view text);

// Appends a text that came from the input, made safe to open in a spreadsheet:
// one that starts with "=", "+", "-", "@", a tab or a CR and is not a number
// gets a leading "'", so that no spreadsheet takes it for a formula. Numbers
// stay as they are. Control characters other than tab, CR and LF are escaped
// ("\x1b"), so that the output cannot act on a terminal that shows it.
void appendSpreadsheetSafe(std::string& out, std::string_view text);

} // namespace corvald::cli
