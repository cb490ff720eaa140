#include "calc/edition2004/base_density.h"

#include "calc/failure.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace corvald::calc::edition2004 {

namespace {

    // source kMpms2004: the slope of ln Fp over ln ρ divided by −2, in the units of
    // the correction step: 793920·10⁻⁵ and 2326·10⁻⁵ per °F.
    constexpr double kFpSlopeConstant = 7.9392;
    constexpr double kFpSlopeTemperature = 0.02326; // 1/°F

    // source kMpms2004: the step on ρ60 for the spread E = ρobs/CTPL − ρ60. Its slope is
    // one formula for every group, 2·α60·Δt·(1 + 1.6·α60·Δt) on Δt = t − 60 °F (the
    // slope of α60 = K0/ρ², whatever K1 and K2 the group has) plus the slope of CPL, so
    // that every implementation takes the same steps and stops at the same density.
    double correction(double observedDensity, const CorrectionFactors& f, const Conditions& c)
    {
        const double spread = observedDensity / f.ctpl - f.density60;
        const double deltaT = c.temperature - kBaseTemperature;
        const double alpha = f.alpha60;
        const double temperatureSlope
            = 2 * alpha * deltaT * (1 + 2 * kQuadraticWeight * alpha * deltaT);
        const double pressureSlope = 2 * f.cpl * std::max(c.pressure, 0.0) * f.fp
            * (kFpSlopeConstant + kFpSlopeTemperature * f.temperature68)
            / (f.density60 * f.density60);
        return spread / (1 + temperatureSlope + pressureSlope);
    }

} // namespace

BaseDensity baseDensity(Commodity commodity, double observedDensity, const Conditions& conditions)
{
    double density60 = observedDensity;
    for (int step = 0; step <= kMaxSteps; ++step) {
        const CommodityGroup& group = groupFor(commodity, density60);
        CorrectionFactors f;
        try {
            f = correctionFactors(group, density60, conditions);
        } catch (const Overflow&) {
            break; // the estimate left the densities a liquid can have
        }
        const double change = correction(observedDensity, f, conditions);
        if (std::abs(change) < kDensityTolerance)
            return { f, step };
        density60 += change;
        if (!(density60 > 0))
            break;
    }
    throw NoSolution(
        "no density at 60 °F agrees with it within " + std::to_string(kMaxSteps) + " steps");
}

} // namespace corvald::calc::edition2004
