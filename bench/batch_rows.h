// A fixed, reproducible batch of input rows for corvald-calc --csv: the same
// seed gives the same bytes on every machine. Mostly rows the window computes,
// in both directions and on both density bases, with a share that it rejects.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvald::bench {

inline constexpr std::string_view kBatchHeader = "quantity,temperature,density,from,basis\n";

// The header line and `rows` rows.
std::string batchRows(std::size_t rows);

} // namespace corvald::bench
