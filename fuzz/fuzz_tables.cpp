// One companion table on arbitrary texts for its value and temperature, with or
// without the glass correction: a text that is no number, a value outside the range
// and an observed value with no base value are refused; anything else is finite,
// its rounded text reads back as the rounded value, and a base value found from a
// reading gives that reading back through the table's own factor.
#include "calc/api_gravity.h"
#include "calc/api_tables.h"
#include "calc/density_tables.h"
#include "calc/failure.h"
#include "calc/number_text.h"
#include "fuzz/fuzzed_input.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {

using namespace corvald::calc;

struct ReadingTable {
    TableResult (*fromReading)(double, double, Hydrometer);
    TableResult (*factor)(double, double);
    double (*toDensity)(double);
    double (*glassFactor)(double);
};

double same(double density) { return density; }

constexpr std::array<ReadingTable, 4> kTables = { {
    { table53A, table54A, same, glassFactorCelsius },
    { table53B, table54B, same, glassFactorCelsius },
    { table5A, table6A, densityOfApi, glassFactorFahrenheit },
    { table5B, table6B, densityOfApi, glassFactorFahrenheit },
} };

void checkResult(const TableResult& r)
{
    if (!std::isfinite(r.result.value) || !std::isfinite(r.alpha)
        || readNumber(r.rounded) != roundToDecimals(r.result.value, r.decimals))
        std::abort();
}

// The base value, put through the factor at the observed temperature, gives back
// the (corrected) observed density.
void checkRoundTrip(const ReadingTable& table, const TableResult& r, double observed, double t,
    Hydrometer hydrometer)
{
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
