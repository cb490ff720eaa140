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

    // The logarithmic slope of α60 over the density, −d ln α60 / d ln ρ: 2 where α60
    // falls as 1/ρ², less where the group adds a K1/ρ term, more where K2 < 0.
    double alphaSlope(const CommodityGroup& g, double density)
    {
        return (2 * g.k0 + g.k1 * density) / (g.k0 + (g.k1 + g.k2 * density) * density);
    }

    // source kMpms2004: the Newton step on ρ60 for the spread E = ρobs/CTPL − ρ60,
    // with the slopes of CTL and CPL over ln ρ60 taken at the current estimate.
    double correction(double observedDensity, const CorrectionFactors& f, const Conditions& c)
    {
        const double spread = observedDensity / f.ctpl - f.density60;
        const double deltaT = c.temperature - kBaseTemperature;
        const double alpha = f.alpha60;
        const double temperatureSlope = alphaSlope(*f.group, f.density60) * alpha * deltaT
            * (1 + 2 * kQuadraticWeight * alpha * deltaT);
        const double pressureSlope = 2 * f.cpl * std::max(c.pressure, 0.0) * f.fp
            * (kFpSlopeConstant + kFpSlopeTemperature * c.temperature)
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
        if (std::abs(observedDensity - density60 * f.ctpl) < kDensityTolerance)
            return { f, step };
        density60 += correction(observedDensity, f, conditions);
        if (!(density60 > 0))
            break;
    }
    throw NoSolution(
        "no density at 60 °F agrees with it within " + std::to_string(kMaxSteps) + " steps");
}

} // namespace corvald::calc::edition2004
