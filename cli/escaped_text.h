// Texts from the user echoed so that they cannot act on a terminal or on the
// program that reads the output: control characters are written as escapes,
// "\0" for NUL and "\x1b" for ESC, as are the C1 controls in their UTF-8 form
// ("\xc2\x9b": a terminal may take it for the start of a command).
#pragma once

#include <string>
#include <string_view>

namespace corvald::cli {

// For a message on one line: every control character escaped.
std::string messageText(std::string_view text);

// For a field of the CSV output: tab, CR and LF kept, as a field may hold them.
std::string fieldText(std::string_view text);

// Whether fieldText(text) would change the text.
bool holdsFieldControls(std::string_view text);

} // namespace corvald::cli
