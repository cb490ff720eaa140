#include "calc/tables/registry.h"

#include "calc/edition1980/tables_1980.h"
#include "calc/edition2004/tables_2004.h"

#include <algorithm>
#include <cctype>

namespace corvald::calc::tables {

namespace {

    bool sameName(std::string_view a, std::string_view b)
    {
        return std::ranges::equal(a, b,
            [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
    }

} // namespace

const std::vector<const TableEntry*>& allTables()
{
    static const std::vector<const TableEntry*> all = [] {
        std::vector<const TableEntry*> tables;
        // Each edition's own list, in the order the help shows them; an edition is
        // registered by adding its list here.
        for (const std::span<const TableEntry> edition :
            { edition1980::companionTables(), edition2004::editionTables() })
            for (const TableEntry& table : edition)
                tables.push_back(&table);
        return tables;
    }();
    return all;
}

const TableEntry* findTable(std::string_view edition, std::string_view name)
{
    for (const TableEntry* table : allTables())
        if (table->edition == edition && sameName(table->name, name))
            return table;
    return nullptr;
}

} // namespace corvald::calc::tables
