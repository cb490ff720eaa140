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

    // source kMpms2004: the step on ρ60 for the spread E = ρobs/CTPL − ρ60. It is a Newton
    // step with this slope, the one the standard's own examples were computed with (they
    // end on its iterates, not on the root, so another slope stops elsewhere):
    //   DT = (2·K0 + K1·ρ*)/ρ*² · Δt · (1 + 1.6·α60·Δt), the slope of ln CTL over ln ρ,
    //        on Δt = t − 60 °F as observed (K2, a given α60 included, has no slope);
    //   DP = 2·CPL·P·Fp·(7.9392 + 0.02326·t)/ρ60², the slope of ln CPL, which falls as
    //        the oil gets denser;
    //   Δρ60 = E / (1 + DT − DP).
    double correction(double observedDensity, const CorrectionFactors& f, const Conditions& c)
    {
        const CommodityGroup& g = *f.group;
        const double spread = observedDensity / f.ctpl - f.density60;
        const double deltaT = c.temperature - kBaseTemperature;
        const double alphaSlope
            = (2 * g.k0 + g.k1 * f.shiftedDensity) / (f.shiftedDensity * f.shiftedDensity);
        const double temperatureSlope
            = alphaSlope * deltaT * (1 + 2 * kQuadraticWeight * f.alpha60 * deltaT);
        const double pressureSlope = 2 * f.cpl * std::max(c.pressure, 0.0) * f.fp
            * (kFpSlopeConstant + kFpSlopeTemperature * c.temperature)
            / (f.density60 * f.density60);
        return spread / (1 + temperatureSlope - pressureSlope);
    }

} // namespace

BaseDensity baseDensity(Commodity commodity, double observedDensity, const Conditions& conditions)
{
    // source kMpms2004: the first estimate is the observed density, brought within the
    // commodity's densities at 60 °F when it lies outside them (the standard's example of
    // a lubricating oil observed at 302 °F ends where a start on its lower bound leads).
    const DensityRange range = densityRange(commodity);
    double density60 = std::clamp(observedDensity, range.lowest, range.highest);
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
