#include "calc/tables/api_gravity.h"

#include "calc/failure.h"

namespace corvald::calc::tables {

namespace {

    // The definition of API gravity.
    constexpr double kApiNumerator = 141.5;
    constexpr double kApiOffset = 131.5;

} // namespace

double relativeDensityOfApi(double api) { return finite(kApiNumerator / (api + kApiOffset)); }

double apiOfRelativeDensity(double relativeDensity)
{
    return finite(kApiNumerator / relativeDensity) - kApiOffset;
}

double densityOfApi(double api) { return relativeDensityOfApi(api) * kWaterDensityAt60F; }

double apiOfDensity(double density) { return apiOfRelativeDensity(density / kWaterDensityAt60F); }

} // namespace corvald::calc::tables
