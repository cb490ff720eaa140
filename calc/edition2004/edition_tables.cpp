#include "calc/edition2004/edition_tables.h"

#include <algorithm>
#include <cctype>

namespace corvald::calc::edition2004 {

const Edition2004Table* edition2004Table(std::string_view name)
{
    const auto sameName = [name](const Edition2004Table& table) {
        return std::equal(name.begin(), name.end(), table.name.begin(), table.name.end(),
            [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
    };
    const auto* found
        = std::find_if(kEdition2004Tables.begin(), kEdition2004Tables.end(), sameName);
    return found == kEdition2004Tables.end() ? nullptr : found;
}

} // namespace corvald::calc::edition2004
