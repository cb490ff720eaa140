// corvald-calc --table: one companion table for one set of inputs, printed as text
// (the table named on the first line, the result on the last) or as JSON.
#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

namespace corvald::cli {

// The inputs as typed; an option not given is empty.
struct TableRequest {
    std::string_view table; // a name of the registry of tables, in the 1980 edition
    std::optional<std::string_view> density; // kg/m3: observed (53), at 15 °C (54)
    std::optional<std::string_view> api; // °API: observed (5), at 60 °F (6)
    std::optional<std::string_view> temperature; // °C for 53/54, °F for 5/6
    std::optional<std::string_view> hydrometer; // glass (the default) or none; 53 and 5 only
    std::optional<std::string_view> decimals; // of the rounded result; the table's own if empty
    std::optional<std::string_view> edition; // 1980 (the default) or 2004
    std::optional<std::string_view> pressure; // 2004: psig for the °F tables, kPa for °C
    std::optional<std::string_view> relativeDensity; // 2004, the °F tables
    std::optional<std::string_view> alpha; // 2004, tables C: α60 in 1/°F
    bool exact = false; // 2004: on the inputs as given
    bool json = false;
};

// The exit statuses of corvald-calc.
enum class TableStatus { computed = 0, rejected = 1, usage = 2 };

// Reads the numbers as the window does and writes the result to out, or one line
// naming the input and what is wrong with it to err: rejected for a value that is no
// number or outside the table's range, usage for a request the table cannot take.
TableStatus runTableMode(const TableRequest& request, std::ostream& out, std::ostream& err);

} // namespace corvald::cli
