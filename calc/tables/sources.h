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
// published example of Table 5B reads 38.7 for 40.5 °API at 83.0 °F.
inline constexpr std::string_view kHydrometerReporting
    = "Appendix I, volume conversion, ASTM/API/IP Table 5A/B (online.documentine.com/"
      "api-temperature-correction-chart)";

// The 2004 edition: its commodity groups with K0, K1, K2 and their bands, δ60 and T*,
// the ITS-90 to IPTS-68 conversion, Fp, the iteration to 60 °F with its tolerance, the
// ranges, the rounding, and the published examples that tests/calc/edition2004 checks.
inline constexpr std::string_view kMpms2004 = "API MPMS Chapter 11.1-2004 (ASTM D1250-04, IP "
                                              "200/04), Temperature and Pressure Volume "
                                              "Correction Factors";
// The 15 °C and 20 °C bases of the 2004 edition: through the density at 60 °F and the
// ratio of the temperature factors.
inline constexpr std::string_view kMpms2007
    = "API MPMS Chapter 11.1-2004, Addendum 1 (2007), 15 °C and 20 °C bases";
// 1 psi = 6.894757 kPa; t/°F = 1.8·t/°C + 32; a standard atmosphere 14.696 psi.
inline constexpr std::string_view kNistSp811
    = "NIST Special Publication 811, appendix B (conversion factors)";

} // namespace corvald::calc::tables
