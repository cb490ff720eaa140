// The rows of a cargo file: a header that names the columns in any order, then
// one tank a row.
#pragma once

#include "cli/cargo/tank_figures.h"
#include "cli/csv_reader.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace corvald::cli::cargo {

enum Column : std::size_t {
    tank,
    tov,
    temperature,
    density,
    freeWater,
    sw,
    grade,
    table,
    edition,
    columnCount
};
inline constexpr std::size_t kRequiredColumns = 4; // tank, tov, temperature, density

// Where each column stands in a row.
struct Layout {
    std::array<std::optional<std::size_t>, columnCount> position;
    std::size_t fields = 0;
};

// The layout the header names, or why it is no header of a cargo file.
std::variant<Layout, std::string> layoutOf(const CsvRecord& header);

// "tank, tov, temperature and density ... free_water, sw, grade, table and edition".
std::string columnsHelp();

// The entry of a well-formed record (its fields are moved out), or why it is not one.
std::variant<TankEntry, std::string> entryOf(CsvRecord& record, const Layout& layout);

} // namespace corvald::cli::cargo
