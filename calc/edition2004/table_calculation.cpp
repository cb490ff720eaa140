#include "calc/edition2004/table_calculation.h"

#include "calc/edition2004/input_ranges.h"
#include "calc/edition2004/metric_base.h"
#include "calc/edition2004/standard_rounding.h"
#include "calc/failure.h"
#include "calc/tables/api_gravity.h"

namespace corvald::calc::edition2004 {

namespace {

    using tables::apiOfDensity;
    using tables::densityOfApi;
    using tables::kWaterDensityAt60F;

    bool metric(const Edition2004Table& t) { return t.basis != TableBasis::fahrenheit60; }

    Resolution densityResolution(DensityForm form)
    {
        return form == DensityForm::api            ? kApiResolution
            : form == DensityForm::relativeDensity ? kRelativeDensityResolution
                                                   : kDensityResolution;
    }

    TableRequest roundedRequest(const Edition2004Table& t, const TableRequest& r)
    {
        if (r.exact)
            return r;
        TableRequest used = r;
        used.density = rounded(r.density, densityResolution(r.form));
        used.temperature
            = rounded(r.temperature, metric(t) ? kCelsiusResolution : kFahrenheitResolution);
        used.pressure = rounded(r.pressure, metric(t) ? kKilopascalResolution : kPsiResolution);
        return used;
    }

    double kilogramsPerCubicMetre(DensityForm form, double value)
    {
        if (form == DensityForm::api)
            return densityOfApi(value);
        return form == DensityForm::relativeDensity ? value * kWaterDensityAt60F : value;
    }

    double inForm(DensityForm form, double density)
    {
        if (form == DensityForm::api)
            return apiOfDensity(density);
        return form == DensityForm::relativeDensity ? density / kWaterDensityAt60F : density;
    }

    Figure figure(double x, Resolution resolution) { return { x, rounded(x, resolution) }; }

    TableFigures fromFactors(const CorrectionFactors& f, double baseDensity, int steps)
    {
        return { *f.group, {}, figure(baseDensity, kDensityResolution), {}, f.density60,
            f.shiftedDensity, f.alpha60, f.temperature68, figure(f.ctl, kFactorResolution),
            figure(f.fp, kFpResolution), figure(f.cpl, kFactorResolution),
            figure(f.ctpl, kFactorResolution), steps };
    }

    TableFigures fahrenheitTable(const Edition2004Table& t, const TableRequest& used)
    {
        const double density = kilogramsPerCubicMetre(used.form, used.density);
        const Conditions conditions { used.temperature, used.pressure };
        if (t.direction == TableDirection::fromBase) {
            const CommodityGroup group = t.commodity == Commodity::specialApplications
                ? givenAlphaGroup(used.alpha60)
                : groupFor(t.commodity, density);
            return fromFactors(correctionFactors(group, density, conditions), density, 0);
        }
        const BaseDensity b = baseDensity(t.commodity, density, conditions);
        return fromFactors(b.factors, b.factors.density60, b.steps);
    }

    TableFigures metricTable(const Edition2004Table& t, const TableRequest& used)
    {
        const MetricConditions conditions { t.basis == TableBasis::celsius15 ? 15.0 : 20.0,
            used.temperature, used.pressure };
        const MetricFactors m = t.direction == TableDirection::fromBase
            ? factorsFromBase(t.commodity, used.density, conditions)
            : factorsFromObserved(t.commodity, used.density, conditions);
        TableFigures figures = fromFactors(m.at60.factors, m.baseDensity, m.at60.steps);
        figures.ctl = figure(m.ctl, kFactorResolution);
        figures.ctpl = figure(m.ctpl, kFactorResolution);
        return figures;
    }

} // namespace

TableFigures computeTable(const Edition2004Table& table, const TableRequest& request)
{
    const TableRequest used = roundedRequest(table, request);
    checkConditions(table, request, used);
    TableFigures figures;
    try {
        figures = metric(table) ? metricTable(table, used) : fahrenheitTable(table, used);
    } catch (const NoSolution& e) {
        throw NoSolution(readingText(table, request) + ": " + e.what());
    }
    checkDensity60(table, request, figures.density60);
    figures.used = used;
    const double baseValue = inForm(used.form, figures.baseDensity.unrounded);
    figures.baseValue = figure(baseValue, densityResolution(used.form));
    return figures;
}

} // namespace corvald::calc::edition2004
