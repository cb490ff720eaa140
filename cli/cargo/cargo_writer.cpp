#include "cli/cargo/cargo_writer.h"

namespace corvald::cli::cargo {

std::string incompleteNote(const std::vector<const LeftOut*>& leftOut)
{
    std::string note;
    for (const LeftOut* row : leftOut) {
        note += note.empty() ? "incomplete: leaves out " : ", ";
        const std::string line = "line " + std::to_string(row->line);
        note += row->tank.empty() ? line : row->tank + " (" + line + ")";
    }
    return note;
}

std::vector<const LeftOut*> allOf(const std::vector<LeftOut>& leftOut)
{
    std::vector<const LeftOut*> rows;
    for (const LeftOut& row : leftOut)
        rows.push_back(&row);
    return rows;
}

} // namespace corvald::cli::cargo
