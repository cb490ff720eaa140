// How corvald-calc --table writes a table's result: as text, the table named on the
// first line and the rounded result on the last, or as one JSON object.
#pragma once

#include "calc/tables/table_result.h"

#include <iosfwd>

namespace corvald::cli {

void printTableText(std::ostream& out, const calc::tables::TableResult& r);
void printTableJson(std::ostream& out, const calc::tables::TableResult& r);

} // namespace corvald::cli
