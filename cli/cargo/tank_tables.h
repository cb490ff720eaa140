// The tables a tank may name, by edition and name: the volume correction
// factors from a density at 15 °C, as the registry of tables lists them.
#pragma once

#include "calc/tables/registry.h"

#include <string>
#include <string_view>

namespace corvald::cli::cargo {

// A tank that leaves out its table or edition: crude oils, as the window computes them.
inline constexpr std::string_view kDefaultTable = "54A";
inline constexpr std::string_view kDefaultEdition = "1980";
// The base of every volume of the report, and so of the factors its tanks may take.
inline constexpr std::string_view kReportBase = "15 °C";

// The table, or nullptr; the name in any letter case ("54a").
const calc::tables::TableEntry* tankTable(std::string_view edition, std::string_view name);

// Whether any table is of that edition.
bool knownEdition(std::string_view edition);

// "1980", or "1980 and 2004"; "54A or 54B" for an edition.
std::string editionNames();
std::string tableNames(std::string_view edition);

} // namespace corvald::cli::cargo
