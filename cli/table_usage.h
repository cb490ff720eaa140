// The part of corvald-calc --help that lists the tables, written from the registry
// of tables: each table's name, what it takes and gives, its resolution, its range
// and the temperature limits of its grades, then where the ranges come from.
#pragma once

#include <string>

namespace corvald::cli {

std::string tableUsage();

} // namespace corvald::cli
