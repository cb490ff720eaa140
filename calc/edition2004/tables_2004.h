// The tables of the 2004 edition in the registry of tables, each with its own
// procedure: they correct for pressure as well and give several figures, so the
// registry points at their description (Edition2004Table) for computeTable.
#pragma once

#include "calc/edition2004/edition_tables.h"
#include "calc/tables/registry.h"

#include <span>
#include <string_view>

namespace corvald::calc::edition2004 {

inline constexpr std::string_view kEdition = "2004";

// The twenty-six tables in the order of their numbers: 5A, 5B, 5D, 6A, … 60D.
std::span<const tables::TableEntry> editionTables();

// The table of that name in the registry, in any letter case; null for none.
const Edition2004Table* edition2004Table(std::string_view name);

} // namespace corvald::calc::edition2004
