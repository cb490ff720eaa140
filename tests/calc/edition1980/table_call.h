// One table of 1980 by its name, as the registry offers it.
#pragma once

#include "calc/edition1980/tables_1980.h"
#include "calc/tables/registry.h"

#include <optional>
#include <string_view>

namespace corvald::calc::tables {

inline TableResult table(std::string_view name, double value, double t,
    Hydrometer hydrometer = Hydrometer::glass, std::optional<int> decimals = std::nullopt)
{
    return findTable(edition1980::kEdition, name)->procedure({ value, t, hydrometer, decimals });
}

} // namespace corvald::calc::tables
