#include "calc/tables/base_density.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/volume_correction.h"

#include <cmath>

namespace corvald::calc::tables {

namespace {

    constexpr double kQuadraticSlope = 2 * kQuadraticFactor;

    // f(rho) / f'(rho) for f(rho) = rho · V.C.F.(rho) − observed, where the factor is
    // exp(E) with dE/d alpha = −Δt·(1 + 1.6·alpha·Δt).
    double newtonStep(double rho, double observed, double deltaT, const Expansion& e)
    {
        const double factor = volumeCorrection(e.alpha, deltaT);
        const double exponentSlope = -deltaT * (1 + kQuadraticSlope * e.alpha * deltaT) * e.slope;
        const double value = rho * factor - observed;
        const double derivative = factor * (1 + rho * exponentSlope);
        return finite(value / derivative);
    }

} // namespace

BaseDensity solveBaseDensity(
    double observed, double deltaT, const std::function<Expansion(double)>& expansionAt)
{
    double rho = observed;
    for (int step = 1; step <= kMostIterations; ++step) {
        const double change = newtonStep(rho, observed, deltaT, expansionAt(rho));
        rho -= change;
        if (std::fabs(change) <= kBaseDensityTolerance)
            return { rho, step };
    }
    throw NoSolution("no density at the base temperature gives the observed density "
        + writeNumber(observed) + " kg/m3");
}

} // namespace corvald::calc::tables
