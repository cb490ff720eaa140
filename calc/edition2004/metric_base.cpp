#include "calc/edition2004/metric_base.h"

#include "calc/edition2004/temperature_scale.h"

namespace corvald::calc::edition2004 {

namespace {

    constexpr double kPascalsPerKilopascal = 1000.0;

    Conditions fahrenheitConditions(const MetricConditions& c)
    {
        return { fahrenheitOfCelsius(c.temperature),
            c.pressure * kPascalsPerKilopascal / kPascalsPerPsi };
    }

    double baseCtl(const CorrectionFactors& f, double baseTemperature)
    {
        return temperatureFactor(f.alpha60, ipts68Fahrenheit(fahrenheitOfCelsius(baseTemperature)));
    }

    MetricFactors withRatio(const BaseDensity& at60, double baseTemperature)
    {
        MetricFactors m { at60, 0, baseCtl(at60.factors, baseTemperature), 0, 0 };
        m.baseDensity = at60.factors.density60 * m.baseCtl;
        m.ctl = at60.factors.ctl / m.baseCtl;
        m.ctpl = m.ctl * at60.factors.cpl;
        return m;
    }

} // namespace

MetricFactors factorsFromBase(
    Commodity commodity, double baseDensity, const MetricConditions& conditions)
{
    const Conditions atBase { fahrenheitOfCelsius(conditions.baseTemperature), 0 };
    const BaseDensity toSixty = edition2004::baseDensity(commodity, baseDensity, atBase);
    const double density60 = toSixty.factors.density60;
    const CorrectionFactors observed = correctionFactors(
        groupFor(commodity, density60), density60, fahrenheitConditions(conditions));
    MetricFactors m = withRatio({ observed, toSixty.steps }, conditions.baseTemperature);
    m.baseDensity = baseDensity; // as given, not as recomputed from 60 °F
    return m;
}

MetricFactors factorsFromObserved(
    Commodity commodity, double observedDensity, const MetricConditions& conditions)
{
    return withRatio(baseDensity(commodity, observedDensity, fahrenheitConditions(conditions)),
        conditions.baseTemperature);
}

} // namespace corvald::calc::edition2004
