// Where the published constants and ranges of the tables come from. Each constant
// of calc's tables carries one of these tags in its comment ("source: kMtsLevelPlus");
// the ranges name theirs in the registry, and --help prints it.
#pragma once

#include <string_view>

namespace corvald::calc::tables {

// The window's own crude range and constants, as the density tables of 1980 state them.
inline constexpr std::string_view kKrohneUfm3030
    = "KROHNE UFM 3030 manual, p. 33 (crude oils 610.5 to 1075.0 kg/m3)";
inline constexpr std::string_view kLiquidControlsLcr = "Liquid Controls LCR setup and operation "
                                                       "guide, appendix A (\"API Table 54B 653.0 "
                                                       "to 1075.0\")";
inline constexpr std::string_view kMtsLevelPlus
    = "MTS Level Plus manual, \"API Table Information\" (easymanua.ls/mts-systems/level-plus/"
      "manual?p=8)";
// The expansion of a soda-lime glass hydrometer that the 1980 tables of a reading
// remove before the reduction to the base temperature (no public copy was at hand to
// check the digits against; they are those the first version of these tables used).
inline constexpr std::string_view kGlassExpansion
    = "glass hydrometer correction of the 1980 tables of a reading";
// The hydrometer method reports readings and results to 0.1 kg/m3 and 0.1 °API; its
// worked example of Table 5B reads 38.7 for 40.5 °API at 83.0 °F.
inline constexpr std::string_view kHydrometerReporting
    = "Appendix I, volume conversion, ASTM/API/IP Table 5A/B (online.documentine.com/"
      "api-temperature-correction-chart)";

} // namespace corvald::calc::tables
