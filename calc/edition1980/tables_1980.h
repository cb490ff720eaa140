// The companion tables of ASTM D1250-80 beside the window's factor. Metric: 53A and
// 53B give the density at 15 °C from a density observed at t °C (crude oils, refined
// products), 54A and 54B the volume correction factor to 15 °C. °F: 5A and 5B give
// the API gravity at 60 °F from one observed at t °F, 6A and 6B the factor to 60 °F,
// by the window's formula on Δt = t − 60 °F with the constants at 60 °F.
#pragma once

#include "calc/tables/registry.h"

#include <span>
#include <string_view>

namespace corvald::calc::edition1980 {

inline constexpr std::string_view kEdition = "1980";

// The eight tables in the order of their numbers: 53A, 53B, 54A, 54B, 5A, 5B, 6A, 6B.
std::span<const tables::TableEntry> companionTables();

} // namespace corvald::calc::edition1980
