// The volume correction tables a tank may name, by edition and name, with what
// a tank's figures need of each: the ranges it covers and the decimals of its factor.
#pragma once

#include "calc/table_range.h"
#include "calc/table_result.h"

#include <string>
#include <string_view>

namespace corvald::cli::cargo {

struct TankTable {
    std::string_view edition; // "1980"
    std::string_view name; // "54A"
    const calc::TableRange& densities; // kg/m3 at 15 °C
    const calc::TableRange& temperatures; // °C
    int factorDecimals;
    calc::TableResult (*factor)(double density15, double temperature);
};

// A tank that leaves out its table or edition: crude oils, as the window computes them.
inline constexpr std::string_view kDefaultTable = "54A";
inline constexpr std::string_view kDefaultEdition = "1980";

// The table, or nullptr; the name in either case ("54a").
const TankTable* tankTable(std::string_view edition, std::string_view name);

// Whether any table is of that edition.
bool knownEdition(std::string_view edition);

// "1980", or "1980 and 2004"; "54A or 54B" for an edition.
std::string editionNames();
std::string tableNames(std::string_view edition);

} // namespace corvald::cli::cargo
