#include "calc/edition2004/commodity_group.h"

#include <stdexcept>

namespace corvald::calc::edition2004 {

const CommodityGroup& groupFor(Commodity commodity, double density60)
{
    if (commodity == Commodity::crudeOils)
        return kCrudeOils;
    if (commodity == Commodity::lubricatingOils)
        return kLubricatingOils;
    if (commodity == Commodity::specialApplications)
        throw std::logic_error("a special application's group is made from its given α60");
    for (const CommodityGroup& group : kRefinedProducts)
        if (density60 < group.highest)
            return group;
    return kRefinedProducts.back();
}

CommodityGroup givenAlphaGroup(double alpha60)
{
    return { "special applications", 0, 0, alpha60, kCrudeOils.lowest, kCrudeOils.highest };
}

DensityRange densityRange(Commodity commodity)
{
    if (commodity == Commodity::crudeOils || commodity == Commodity::specialApplications)
        return { kCrudeOils.lowest, kCrudeOils.highest };
    if (commodity == Commodity::lubricatingOils)
        return { kLubricatingOils.lowest, kLubricatingOils.highest };
    return { kRefinedProducts.front().lowest, kRefinedProducts.back().highest };
}

double alpha60(const CommodityGroup& group, double shiftedDensity)
{
    return (group.k0 / shiftedDensity + group.k1) / shiftedDensity + group.k2;
}

} // namespace corvald::calc::edition2004
