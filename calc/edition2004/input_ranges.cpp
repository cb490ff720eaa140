#include "calc/edition2004/input_ranges.h"

#include "calc/edition2004/metric_base.h"
#include "calc/edition2004/temperature_scale.h"
#include "calc/failure.h"
#include "calc/number_text.h"

#include <string_view>

namespace corvald::calc::edition2004 {

namespace {

    bool metric(const Edition2004Table& t) { return t.basis != TableBasis::fahrenheit60; }

    double kilopascals(double psi) { return psi * kPascalsPerPsi / 1000.0; }

    std::string_view densityName(const Edition2004Table& t, DensityForm form)
    {
        const bool observed = t.direction == TableDirection::toBase;
        if (form == DensityForm::api)
            return observed ? "observed API gravity" : "API gravity";
        if (form == DensityForm::relativeDensity)
            return observed ? "observed relative density" : "relative density";
        return observed ? "observed density" : "density";
    }

    std::string_view densityUnit(DensityForm form)
    {
        return form == DensityForm::api ? " °API" : form == DensityForm::density ? " kg/m3" : "";
    }

    std::string baseText(const Edition2004Table& t)
    {
        if (t.direction == TableDirection::toBase)
            return " at ";
        return t.basis == TableBasis::celsius15 ? " at 15 °C, for "
            : t.basis == TableBasis::celsius20  ? " at 20 °C, for "
                                                : " at 60 °F, for ";
    }

    struct PressureBounds {
        double lowest, highest;
    };

    // In the table's unit; kPa to the 0.1 kPa the bounds are stated in.
    PressureBounds pressureBounds(const Edition2004Table& t)
    {
        if (!metric(t))
            return { kLowestPressure, kHighestPressure };
        return { roundToDecimals(kilopascals(kLowestPressure), 1),
            roundToDecimals(kilopascals(kHighestPressure), 1) };
    }

    std::string outside(const std::string& what, const Edition2004Table& t, double lowest,
        double highest, std::string_view unit)
    {
        return what + " is outside table " + std::string(t.name) + ": " + writeNumber(lowest)
            + " to " + writeNumber(highest) + " " + std::string(unit);
    }

} // namespace

std::string_view temperatureUnit(const Edition2004Table& t) { return metric(t) ? "°C" : "°F"; }
std::string_view pressureUnit(const Edition2004Table& t) { return metric(t) ? "kPa" : "psig"; }

std::string pressureRangeText(const Edition2004Table& t)
{
    const PressureBounds bounds = pressureBounds(t);
    return writeNumber(bounds.lowest) + " to " + writeNumber(bounds.highest) + " "
        + std::string(pressureUnit(t));
}

std::string alphaRangeText()
{
    return writeNumber(kLowestAlpha60) + " to " + writeNumber(kHighestAlpha60) + " "
        + std::string(kAlphaUnit);
}

std::string readingText(const Edition2004Table& t, const TableRequest& given)
{
    return std::string(densityName(t, given.form)) + " " + writeNumber(given.density)
        + std::string(densityUnit(given.form)) + baseText(t) + writeNumber(given.temperature) + " "
        + std::string(temperatureUnit(t)) + " and " + writeNumber(given.pressure) + " "
        + std::string(pressureUnit(t));
}

void checkConditions(const Edition2004Table& t, const TableRequest& given, const TableRequest& used)
{
    const double fahrenheit = metric(t) ? fahrenheitOfCelsius(used.temperature) : used.temperature;
    if (fahrenheit < kLowestTemperature || fahrenheit > kHighestTemperature) {
        const double lowest
            = metric(t) ? celsiusOfFahrenheit(kLowestTemperature) : kLowestTemperature;
        const double highest
            = metric(t) ? celsiusOfFahrenheit(kHighestTemperature) : kHighestTemperature;
        throw OutOfRange(outside(
            "temperature " + writeNumber(given.temperature) + " " + std::string(temperatureUnit(t)),
            t, lowest, highest, temperatureUnit(t)));
    }
    const bool givenAlpha = t.commodity == Commodity::specialApplications;
    if (givenAlpha && !(used.alpha60 >= kLowestAlpha60 && used.alpha60 <= kHighestAlpha60))
        throw OutOfRange("thermal expansion coefficient " + writeNumber(given.alpha60) + " "
            + std::string(kAlphaUnit) + " is outside table " + std::string(t.name) + ": "
            + alphaRangeText());
    // The vacuum bound is a fact of the world, not of the table: it applies to the
    // pressure as given, so that a reading near it is not refused for its rounding.
    const double psigUsed = metric(t) ? used.pressure * 1000.0 / kPascalsPerPsi : used.pressure;
    const double psigGiven = metric(t) ? given.pressure * 1000.0 / kPascalsPerPsi : given.pressure;
    if (psigGiven < kLowestPressure || psigUsed > kHighestPressure) {
        const PressureBounds bounds = pressureBounds(t);
        throw OutOfRange(
            outside("pressure " + writeNumber(given.pressure) + " " + std::string(pressureUnit(t)),
                t, bounds.lowest, bounds.highest, pressureUnit(t)));
    }
}

void checkDensity60(const Edition2004Table& t, const TableRequest& given, double density60)
{
    const DensityRange range = densityRange(t.commodity);
    if (density60 >= range.lowest && density60 <= range.highest)
        return;
    throw OutOfRange(readingText(t, given) + " is outside table " + std::string(t.name)
        + ": its density at 60 °F, " + fixedDecimals(density60, 1) + " kg/m3, lies outside "
        + writeNumber(range.lowest) + " to " + writeNumber(range.highest) + " kg/m3");
}

} // namespace corvald::calc::edition2004
