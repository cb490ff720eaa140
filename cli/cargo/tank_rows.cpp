#include "cli/cargo/tank_rows.h"

#include <algorithm>

namespace corvald::cli::cargo {

namespace {

    constexpr std::array<std::string_view, columnCount> kColumnNames = { "tank", "tov",
        "temperature", "density", "free_water", "sw", "grade", "table", "edition" };
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF"; // some spreadsheets start a CSV with it

    std::string trimmed(std::string text)
    {
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos)
            return {};
        text.erase(text.find_last_not_of(" \t") + 1);
        text.erase(0, first);
        return text;
    }

} // namespace

std::string columnsHelp()
{
    return "tank, tov, temperature and density, and optionally free_water, sw, grade, table and "
           "edition";
}

std::variant<Layout, std::string> layoutOf(const CsvRecord& header)
{
    const std::string notAHeader = "line " + std::to_string(header.line) + " is not a header: ";
    if (!header.error.empty())
        return notAHeader + header.error;
    if (header.count > columnCount)
        return notAHeader + std::to_string(header.count) + " columns, of " + columnsHelp();
    Layout layout;
    layout.fields = header.count;
    for (std::size_t i = 0; i < header.count; ++i) {
        std::string_view name = header.fields[i];
        if (i == 0 && name.starts_with(kUtf8Mark))
            name.remove_prefix(kUtf8Mark.size());
        const auto* known = std::find(kColumnNames.begin(), kColumnNames.end(), name);
        if (known == kColumnNames.end())
            return notAHeader + "unknown column '" + std::string(name) + "'; the columns are "
                + columnsHelp();
        auto& position = layout.position[static_cast<std::size_t>(known - kColumnNames.begin())];
        if (position)
            return notAHeader + "column '" + std::string(name) + "' is named twice";
        position = i;
    }
    for (std::size_t column = 0; column < kRequiredColumns; ++column)
        if (!layout.position[column])
            return notAHeader + "it has no column '" + std::string(kColumnNames[column])
                + "'; the columns are " + columnsHelp();
    return layout;
}

std::variant<TankEntry, std::string> entryOf(CsvRecord& record, const Layout& layout)
{
    if (!record.error.empty())
        return record.error;
    if (record.count != layout.fields)
        return std::to_string(record.count) + " fields where the header names "
            + std::to_string(layout.fields);
    const auto field = [&](Column column) {
        const auto& at = layout.position[column];
        return at ? std::move(record.fields[*at]) : std::string();
    };
    TankEntry entry;
    entry.line = record.line;
    entry.tank = trimmed(field(tank));
    entry.grade = trimmed(field(grade));
    entry.table = trimmed(field(table));
    entry.edition = trimmed(field(edition));
    entry.tov = trimmed(field(tov));
    entry.freeWater = trimmed(field(freeWater));
    entry.temperature = trimmed(field(temperature));
    entry.density = trimmed(field(density));
    entry.sw = trimmed(field(sw));
    return entry;
}

} // namespace corvald::cli::cargo
