// The part of corvald-calc --help that lists the tables, written from the registry
// of tables: each table's name, what it takes and gives, its resolution, its range
// and the temperature limits of its grades, then where the ranges come from.
#pragma once

#include <string>
#include <string_view>

namespace corvald::cli {

std::string tableUsage();

// "53A, 53B, ... or 6B": the names of an edition's tables, as a refusal offers them.
std::string tableNames(std::string_view edition);

} // namespace corvald::cli
