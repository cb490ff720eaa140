// corvald-calc --edition 2004 --table NAME: one table of the 2004 edition for one reading,
// printed as text (the table named on the first line, the result on the last) or JSON.
#pragma once

#include "cli/table_mode.h"

#include <iosfwd>

namespace corvald::cli {

// As runTableMode, for the 2004 edition's tables.
TableStatus runEdition2004Table(const TableRequest& request, std::ostream& out, std::ostream& err);

} // namespace corvald::cli
