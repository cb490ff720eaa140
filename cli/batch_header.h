// The header of a batch: the first line, naming the input columns in any order.
#pragma once

#include "cli/csv_reader.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string_view>

namespace corvald::cli {

// The input columns, in the order of the output.
enum Column : std::size_t { quantity, temperature, density, from, basis, columnCount };
inline constexpr std::array<std::string_view, columnCount> kColumnNames
    = { "quantity", "temperature", "density", "from", "basis" };

// Where each column stands in a row, as the header names them.
struct Layout {
    std::array<std::optional<std::size_t>, columnCount> position;
    std::size_t fields = 0;
};

// Reads the header: its layout, or nothing when the input has none, after the
// reason went to `err` (a failed read and a stop are left to the caller).
std::optional<Layout> readHeader(
    CsvReader& reader, CsvRecord& record, std::string_view source, std::ostream& err);

// Whether a row of the batch is the header again, as a concatenation of two
// files leaves it.
bool repeatsHeader(const CsvRecord& row, const Layout& layout);

} // namespace corvald::cli
