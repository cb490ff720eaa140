#include "calc/api_gravity.h"

#include "calc/failure.h"
#include "calc/number_text.h"

namespace corvald::calc {

namespace {

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

const ProductBand& apiProductBandFor(double api)
{
    const double tenth = roundToDecimals(api, 1);
    for (const ProductBand& band : kApiProductBands)
        if (tenth <= band.to && tenth >= band.from)
            return band;
    return tenth < kApiProductBands.front().from ? kApiProductBands.front()
                                                 : kApiProductBands.back();
}

} // namespace corvald::calc
