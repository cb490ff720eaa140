#include "cli/cargo/tank_tables.h"

#include <algorithm>
#include <vector>

namespace corvald::cli::cargo {

namespace {

    using calc::tables::TableEntry;

    constexpr std::string_view kDensityUnit = "kg/m3";

    // A factor to 15 °C from the density at 15 °C: what a tank's figures need. A factor
    // to 20 °C would add volumes of another base into the totals of the report at 15 °C.
    bool forTanks(const TableEntry& table)
    {
        return table.kind == calc::tables::TableKind::factor && table.takes.unit == kDensityUnit
            && table.base == kReportBase;
    }

    std::string joined(const std::vector<std::string_view>& names, std::string_view last)
    {
        std::string text;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (i > 0)
                text += i + 1 == names.size() ? last : ", ";
            text += names[i];
        }
        return text;
    }

} // namespace

const TableEntry* tankTable(std::string_view edition, std::string_view name)
{
    const TableEntry* table = calc::tables::findTable(edition, name);
    return table && forTanks(*table) ? table : nullptr;
}

bool knownEdition(std::string_view edition)
{
    const auto& tables = calc::tables::allTables();
    return std::any_of(tables.begin(), tables.end(),
        [&](const TableEntry* t) { return forTanks(*t) && t->edition == edition; });
}

std::string editionNames()
{
    std::vector<std::string_view> names;
    for (const TableEntry* t : calc::tables::allTables())
        if (forTanks(*t) && std::find(names.begin(), names.end(), t->edition) == names.end())
            names.push_back(t->edition);
    return joined(names, " and ");
}

std::string tableNames(std::string_view edition)
{
    std::vector<std::string_view> names;
    for (const TableEntry* t : calc::tables::allTables())
        if (forTanks(*t) && t->edition == edition)
            names.push_back(t->name);
    return joined(names, " or ");
}

} // namespace corvald::cli::cargo
