#include "cli/cargo/tank_tables.h"

#include "calc/density_tables.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace corvald::cli::cargo {

namespace {

    constexpr std::array<TankTable, 2> kTables = { {
        { "1980", "54A", calc::kCrudeDensityRange, calc::kMetricTemperatureRange,
            calc::kFactorTableDecimals, calc::table54A },
        { "1980", "54B", calc::kProductDensityRange, calc::kMetricTemperatureRange,
            calc::kFactorTableDecimals, calc::table54B },
    } };

    bool sameName(std::string_view a, std::string_view b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::toupper(static_cast<unsigned char>(x))
                == std::toupper(static_cast<unsigned char>(y));
        });
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

const TankTable* tankTable(std::string_view edition, std::string_view name)
{
    const auto* found = std::find_if(kTables.begin(), kTables.end(),
        [&](const TankTable& t) { return t.edition == edition && sameName(t.name, name); });
    return found == kTables.end() ? nullptr : found;
}

bool knownEdition(std::string_view edition)
{
    return std::any_of(
        kTables.begin(), kTables.end(), [&](const TankTable& t) { return t.edition == edition; });
}

std::string editionNames()
{
    std::vector<std::string_view> names;
    for (const TankTable& t : kTables)
        if (std::find(names.begin(), names.end(), t.edition) == names.end())
            names.push_back(t.edition);
    return joined(names, " and ");
}

std::string tableNames(std::string_view edition)
{
    std::vector<std::string_view> names;
    for (const TankTable& t : kTables)
        if (t.edition == edition)
            names.push_back(t.name);
    return joined(names, " or ");
}

} // namespace corvald::cli::cargo
