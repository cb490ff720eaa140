#include "calc/edition1980/companion_table.h"

#include "calc/failure.h"
#include "calc/tables/base_density.h"
#include "calc/volume_correction.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

namespace corvald::calc::edition1980 {

namespace {

    using tables::BaseChoice;
    using tables::Expansion;
    using tables::Hydrometer;
    using tables::TableValue;

    // Half a tenth: the bands are drawn on tenths, so a value belongs to a band up to
    // half a tenth past either bound.
    constexpr double kHalfTenth = 0.05;

    std::string capitalized(std::string text)
    {
        text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
        return text;
    }

    std::string atBaseName(const CompanionTable& table)
    {
        return std::string(table.quantity.name).append(" at ").append(table.scale.base);
    }

    std::string valueIn(double value, std::string_view unit)
    {
        return writeNumber(value).append(" ").append(unit);
    }

    const ProductBand& bandOf(const CompanionTable& table, double value)
    {
        const double tenth = roundToDecimals(value, 1);
        for (const ProductBand& band : table.bands)
            if (tenth <= band.to && tenth >= band.from)
                return band;
        return tenth < table.bands.front().from ? table.bands.front() : table.bands.back();
    }

    Expansion expansionIn(const ProductBand& band, double rho)
    {
        return { bandCoefficient(band.form, band.first, band.second, rho),
            bandCoefficientSlope(band.form, band.first, band.second, rho) };
    }

    TableResult described(
        const CompanionTable& table, const ProductBand& band, double density, std::string title)
    {
        TableResult r;
        r.table = table.name;
        r.title = std::move(title.append(", ").append(table.product));
        r.band = band.name;
        r.constants = tables::bandConstants(band.form, band.first, band.second);
        r.alpha = expansionIn(band, density).alpha;
        r.alphaUnit = table.scale.alphaUnit;
        return r;
    }

    // One band's answer: the base value its constants give, and how far (in the
    // table's quantity) that value strays past the band's own bounds.
    struct Answer {
        const ProductBand* band;
        double density;
        double value;
        int iterations;
        double stray;
    };

    std::vector<Answer> answersOfEachBand(
        const CompanionTable& table, double observedDensity, double deltaT)
    {
        std::vector<Answer> answers;
        for (const ProductBand& band : table.bands) {
            try {
                const tables::BaseDensity solved = tables::solveBaseDensity(observedDensity, deltaT,
                    [&band](double rho) { return expansionIn(band, rho); });
                const double value = table.quantity.fromDensity(solved.density);
                const double stray = &bandOf(table, value) == &band
                    ? 0
                    : std::max(band.from - kHalfTenth - value, value - band.to - kHalfTenth);
                answers.push_back({ &band, solved.density, value, solved.iterations, stray });
            } catch (const Failure&) {
                // a band whose constants give no base value for this reading
            }
        }
        return answers;
    }

    // Orders the answers so that the one taken comes first and the one worth naming
    // beside it second, and says why.
    BaseChoice chosenFirst(std::vector<Answer>& answers, double observed)
    {
        const auto fits = std::partition(
            answers.begin(), answers.end(), [](const Answer& a) { return a.stray == 0; });
        const auto fitting = fits - answers.begin();
        if (fitting == 0) {
            std::ranges::sort(
                answers, [](const Answer& a, const Answer& b) { return a.stray < b.stray; });
            return BaseChoice::betweenBands;
        }
        std::sort(answers.begin(), fits, [observed](const Answer& a, const Answer& b) {
            return std::fabs(a.value - observed) < std::fabs(b.value - observed);
        });
        answers.resize(static_cast<std::size_t>(fitting));
        return fitting == 1 ? BaseChoice::oneFits : BaseChoice::twoFit;
    }

    [[noreturn]] void refuseReading(
        const CompanionTable& table, const TableInputs& inputs, const std::string& outcome)
    {
        throw OutOfRange("the observed " + std::string(table.quantity.name) + " "
            + valueIn(inputs.value, table.quantity.unit) + " at "
            + valueIn(inputs.temperature, table.scale.temperatures.unit) + " " + outcome
            + ", outside table " + std::string(table.name) + ": " + tables::rangeText(table.range));
    }

    tables::LimitCheck limitCheck(const CompanionTable& table, const std::string& baseName)
    {
        return { table.name, baseName, table.range, table.scale.temperatures };
    }

} // namespace

TableResult readingToBase(const CompanionTable& table, const TableInputs& inputs)
{
    const double t = inputs.temperature;
    tables::checkedInRange("temperature", t, table.scale.temperatures, table.name);
    const double glass = inputs.hydrometer == Hydrometer::glass ? table.scale.glassFactor(t) : 1.0;
    double observedDensity = 0;
    try {
        observedDensity = table.quantity.toDensity(inputs.value) * glass;
    } catch (const Overflow&) {
        refuseReading(table, inputs, "is no density");
    }
    std::vector<Answer> answers
        = answersOfEachBand(table, observedDensity, t - table.scale.baseTemperature);
    if (answers.empty())
        refuseReading(table, inputs, "gives no " + atBaseName(table));
    const BaseChoice choice = chosenFirst(answers, inputs.value);
    const Answer& taken = answers.front();
    // The solved value is known to the tolerance only: its value at the table's
    // resolution is held against the range, so that a bound itself is not refused.
    const double shown = roundToDecimals(taken.value, table.quantity.decimals);
    if (shown < table.range.lowest || shown > table.range.highest)
        refuseReading(table, inputs,
            "gives " + atBaseName(table) + " " + valueIn(shown, table.quantity.unit));
    tables::checkTemperatureLimit(
        table.limits, limitCheck(table, atBaseName(table)), taken.value, t);

    TableResult r = described(table, *taken.band, taken.density,
        capitalized(atBaseName(table)) + " from an observed " + std::string(table.quantity.name));
    r.inputs = { { "observed " + std::string(table.quantity.name), inputs.value,
                     std::string(table.quantity.unit) },
        { "temperature", t, std::string(table.scale.temperatures.unit) } };
    r.hydrometer = inputs.hydrometer;
    r.iterations = taken.iterations;
    r.choice = choice;
    if (choice != BaseChoice::oneFits && answers.size() > 1)
        r.others = { { std::string(answers[1].band->name), answers[1].value,
            std::string(table.quantity.unit) } };
    tables::setResult(r, { atBaseName(table), taken.value, std::string(table.quantity.unit) },
        inputs.decimals.value_or(table.quantity.decimals));
    return r;
}

TableResult factorToBase(const CompanionTable& table, const TableInputs& inputs)
{
    const double atBase = inputs.value;
    const double t = inputs.temperature;
    tables::checkedInRange(atBaseName(table), atBase, table.range, table.name);
    tables::checkedInRange("temperature", t, table.scale.temperatures, table.name);
    tables::checkTemperatureLimit(table.limits, limitCheck(table, atBaseName(table)), atBase, t);
    TableResult r = described(table, bandOf(table, atBase), table.quantity.toDensity(atBase),
        "Volume correction factor to " + std::string(table.scale.base));
    r.inputs = { { atBaseName(table), atBase, std::string(table.quantity.unit) },
        { "temperature", t, std::string(table.scale.temperatures.unit) } };
    const double factor = volumeCorrection(r.alpha, t - table.scale.baseTemperature);
    tables::setResult(r, { "V.C.F. to " + std::string(table.scale.base), factor, "" },
        inputs.decimals.value_or(kFactorDecimals));
    return r;
}

} // namespace corvald::calc::edition1980
