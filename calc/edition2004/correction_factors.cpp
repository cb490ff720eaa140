#include "calc/edition2004/correction_factors.h"

#include "calc/edition2004/temperature_scale.h"
#include "calc/failure.h"

#include <algorithm>
#include <cmath>

namespace corvald::calc::edition2004 {

namespace {

    // source kMpms2004: Fp = exp(A + B·t* + (C + D·t*)/ρ*²) in 10⁻⁵/psi.
    constexpr double kFpConstant = -1.9947;
    constexpr double kFpTemperature = 0.00013427; // 1/°F
    constexpr double kFpDensity = 793920.0; // (kg/m3)²
    constexpr double kFpDensityTemperature = 2326.0; // (kg/m3)²/°F
    constexpr double kFpScale = 1e-5; // Fp is given in 10⁻⁵/psi

    // source kMpms2004: ρ* = ρ60·(1 + (exp(A·(1 + 0.8·A)) − 1)/(1 + A·(1 + 1.6·A)·B)),
    // the density at 60 °F moved to IPTS-68, with A = δ60/2·α60(ρ60) and B the
    // logarithmic slope of α60 over ρ.
    double shiftedDensity(const CommodityGroup& g, double density60)
    {
        const double a = kDelta60 / 2 * alpha60(g, density60);
        const double b
            = (2 * g.k0 + g.k1 * density60) / (g.k0 + (g.k1 + g.k2 * density60) * density60);
        const double growth = std::exp(a * (1 + kQuadraticWeight * a)) - 1;
        return density60 * (1 + growth / (1 + a * (1 + 2 * kQuadraticWeight * a) * b));
    }

    double scaledCompressibility(double shiftedDensity, double temperature68)
    {
        return std::exp(kFpConstant + kFpTemperature * temperature68
            + (kFpDensity + kFpDensityTemperature * temperature68)
                / (shiftedDensity * shiftedDensity));
    }

} // namespace

double temperatureFactor(double alpha60, double temperature68)
{
    const double deltaT = temperature68 - kBaseTemperature68;
    return std::exp(-alpha60 * deltaT * (1 + kQuadraticWeight * alpha60 * (deltaT + kDelta60)));
}

CorrectionFactors correctionFactors(
    const CommodityGroup& group, double density60, const Conditions& conditions)
{
    CorrectionFactors f {};
    f.group = &group;
    f.density60 = density60;
    f.shiftedDensity = shiftedDensity(group, density60);
    f.alpha60 = alpha60(group, f.shiftedDensity);
    f.temperature68 = ipts68Fahrenheit(conditions.temperature);
    f.ctl = temperatureFactor(f.alpha60, f.temperature68);
    f.fp = scaledCompressibility(f.shiftedDensity, f.temperature68);
    // A gauge pressure below atmospheric is taken as atmospheric.
    const double pressure = std::max(conditions.pressure, 0.0);
    const double compression = 1 - kFpScale * f.fp * pressure;
    if (!(compression > 0))
        throw Overflow();
    f.cpl = 1 / compression;
    f.ctpl = f.ctl * f.cpl;
    return f;
}

} // namespace corvald::calc::edition2004
