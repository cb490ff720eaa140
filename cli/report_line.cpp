#include "cli/report_line.h"

namespace corvald::cli {

void printLine(
    std::ostream& out, std::string_view caption, std::string_view value, std::string_view unit)
{
    out << caption << "  " << value;
    if (!unit.empty())
        out << ' ' << unit;
    out << '\n';
}

} // namespace corvald::cli
