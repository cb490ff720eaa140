// One companion table on arbitrary texts for its value and temperature, with or
// without the glass correction: a text that is no number, a value outside the range
// and an observed value with no base value are refused; anything else is finite,
// its rounded text reads back as the rounded value, and a base value found from a
// reading gives that reading back through the table's own factor.
#include "calc/edition1980/tables_1980.h"
#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/tables/api_gravity.h"
#include "calc/tables/registry.h"
#include "fuzz/fuzzed_input.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

using namespace corvald::calc;
using namespace corvald::calc::tables;

struct ReadingTable {
    std::string_view reading;
    std::string_view factorTable;
    double (*toDensity)(double);
    double (*glassFactor)(double);

    TableResult fromReading(double value, double t, Hydrometer hydrometer) const
    {
        return findTable(edition1980::kEdition, reading)->procedure({ value, t, hydrometer, {} });
    }
    TableResult factor(double value, double t) const
    {
        return findTable(edition1980::kEdition, factorTable)->procedure({ value, t, {}, {} });
    }
};

double same(double density) { return density; }

constexpr std::array<ReadingTable, 4> kTables = { {
    { "53A", "54A", same, glassFactorCelsius },
    { "53B", "54B", same, glassFactorCelsius },
    { "5A", "6A", densityOfApi, glassFactorFahrenheit },
    { "5B", "6B", densityOfApi, glassFactorFahrenheit },
} };

void checkResult(const TableResult& r)
{
    if (!std::isfinite(r.result.value) || !std::isfinite(r.alpha)
        || readNumber(r.rounded) != roundToDecimals(r.result.value, r.decimals))
        std::abort();
}

// The base value, put through the factor at the observed temperature, gives back
// the (corrected) observed density, wherever a band's answer lies in its own band.
void checkRoundTrip(const ReadingTable& table, const TableResult& r, double observed, double t,
    Hydrometer hydrometer)
{
    if (r.choice == BaseChoice::betweenBands)
        return; // no band's answer gives the reading back: the least straying was taken
    double factor = 0;
    try {
        factor = table.factor(r.result.value, t).result.value;
    } catch (const OutOfRange&) {
        return; // a base value on a bound, a last digit outside
    }
    const double glass = hydrometer == Hydrometer::glass ? table.glassFactor(t) : 1.0;
    const double expected = table.toDensity(observed) * glass;
    if (std::fabs(table.toDensity(r.result.value) * factor - expected) > 1e-7)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    corvald::fuzz::FuzzedInput input(data, size);
    const std::uint8_t choices = input.byte();
    const ReadingTable& table = kTables[choices % kTables.size()];
    const Hydrometer hydrometer = choices & 4 ? Hydrometer::none : Hydrometer::glass;
    const bool reading = (choices & 8) == 0;
    const std::string valueText = input.text();
    const std::string temperatureText = input.text();
    try {
        const double value = readNumber(valueText);
        const double t = readNumber(temperatureText);
        if (!reading) {
            checkResult(table.factor(value, t));
            return 0;
        }
        const TableResult r = table.fromReading(value, t, hydrometer);
        checkResult(r);
        checkRoundTrip(table, r, value, t, hydrometer);
    } catch (const TypeMismatch&) {
    } catch (const OutOfRange&) {
    } catch (const NoSolution&) {
    }
    return 0;
}
