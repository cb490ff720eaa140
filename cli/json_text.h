// The pieces of JSON that corvald-calc writes.
#pragma once

#include <string>
#include <string_view>

namespace corvald::cli {

// A number as the window shows it, as a JSON number with the same digits:
// without digit grouping, a negative value with "-" instead of parentheses.
std::string jsonNumber(std::string_view shown);

// Appends text as a JSON string; bytes that are not UTF-8 become U+FFFD.
void appendJsonString(std::string& out, std::string_view text);

} // namespace corvald::cli
