// The commodity groups of the 2004 edition: each has its constants K0, K1, K2 for the
// thermal-expansion coefficient at 60 °F, α60 = K0/ρ² + K1/ρ + K2 (1/°F, ρ in kg/m3),
// and the band of densities at 60 °F where it applies.
#pragma once

#include <array>
#include <string_view>

namespace corvald::calc::edition2004 {

struct CommodityGroup {
    std::string_view name;
    double k0, k1, k2;
    double lowest, highest; // kg/m3 at 60 °F: lowest inside, highest outside (but the last)
};

// The generalized crude oils (source kMpms2004).
inline constexpr CommodityGroup kCrudeOils { "crude oils", 341.0957, 0, 0, 610.6, 1163.5 };

// The refined products (source kMpms2004), lightest first; the band of each ends where
// the next begins.
inline constexpr std::array<CommodityGroup, 4> kRefinedProducts = { {
    { "gasolines", 192.4571, 0.2438, 0, 610.6, 770.3520 },
    { "transition zone", 1489.0670, 0, -0.00186840, 770.3520, 787.5195 },
    { "jet fuels", 330.3010, 0, 0, 787.5195, 838.3127 },
    { "fuel oils", 103.8720, 0.2701, 0, 838.3127, 1163.5 },
} };

// The lubricating oils (source kMpms2004), whose α60 is K1/ρ*.
inline constexpr CommodityGroup kLubricatingOils { "lubricating oils", 0, 0.34878, 0, 800.9,
    1163.5 };

// The special applications: a liquid whose α60 is measured and given, not fitted to its
// density (source kMpms2004); it is the K2 of a group without K0 and K1.
CommodityGroup givenAlphaGroup(double alpha60);

enum class Commodity { crudeOils, refinedProducts, lubricatingOils, specialApplications };

struct DensityRange {
    double lowest, highest; // kg/m3 at 60 °F, both inside
};

// The densities at 60 °F the commodity's groups cover together.
DensityRange densityRange(Commodity commodity);

// The group of a density at 60 °F: for refined products the band that holds it (a
// density on a boundary belongs to the heavier group; one beyond the outer bands keeps
// the nearest, for the range check to refuse). A special application has no group of
// its own density (std::logic_error): givenAlphaGroup makes it from its α60.
const CommodityGroup& groupFor(Commodity commodity, double density60);

// α60 of the group at the shifted density ρ* (kg/m3), in 1/°F.
double alpha60(const CommodityGroup& group, double shiftedDensity);

} // namespace corvald::calc::edition2004
