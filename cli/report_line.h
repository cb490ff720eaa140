// One line of corvald-calc's text reports: a caption, two blanks, the value and
// its unit after one blank (none where the value has no unit).
#pragma once

#include <ostream>
#include <string_view>

namespace corvald::cli {

void printLine(std::ostream& out, std::string_view caption, std::string_view value,
    std::string_view unit = {});

} // namespace corvald::cli
