#include "calc/edition2004/commodity_group.h"

namespace corvald::calc::edition2004 {

const CommodityGroup& groupFor(Commodity commodity, double density60)
{
    if (commodity == Commodity::crudeOils)
        return kCrudeOils;
    if (commodity == Commodity::lubricatingOils)
        return kLubricatingOils;
    for (const CommodityGroup& group : kRefinedProducts)
        if (density60 < group.highest)
            return group;
    return kRefinedProducts.back();
}

DensityRange densityRange(Commodity commodity)
{
    if (commodity == Commodity::crudeOils)
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
