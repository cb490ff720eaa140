// The Newton steps that the density and API tables take to find a base density,
// over their whole input range on a fine grid, with and without the hydrometer
// correction: the worst case, where it occurs, and how many inputs have no solution
// inside the range or none at all.
#include "calc/edition1980/tables_1980.h"
#include "calc/failure.h"
#include "calc/tables/registry.h"

#include <cmath>
#include <cstdio>

using namespace corvald::calc;
using namespace corvald::calc::tables;

namespace {

struct Scan {
    const char* name;
    TableRange value;
    double valueStep;
    TableRange temperature;
    double temperatureStep;
};

void run(const Scan& scan)
{
    const TableEntry& table = *findTable(edition1980::kEdition, scan.name);
    long solved = 0;
    long outOfRange = 0;
    long noSolution = 0;
    int worst = 0;
    double worstValue = 0;
    double worstTemperature = 0;
    const long valueSteps = std::lround((scan.value.highest - scan.value.lowest) / scan.valueStep);
    const long temperatureSteps
        = std::lround((scan.temperature.highest - scan.temperature.lowest) / scan.temperatureStep);
    for (const Hydrometer hydrometer : { Hydrometer::glass, Hydrometer::none })
        for (long i = 0; i <= valueSteps; ++i)
            for (long j = 0; j <= temperatureSteps; ++j) {
                const double value = scan.value.lowest + static_cast<double>(i) * scan.valueStep;
                const double t
                    = scan.temperature.lowest + static_cast<double>(j) * scan.temperatureStep;
                try {
                    const int steps = table.procedure({ value, t, hydrometer, {} }).iterations;
                    ++solved;
                    if (steps > worst) {
                        worst = steps;
                        worstValue = value;
                        worstTemperature = t;
                    }
                } catch (const OutOfRange&) {
                    ++outOfRange;
                } catch (const NoSolution&) {
                    ++noSolution;
                }
            }
    std::printf("%-4s solved %8ld  worst %2d steps (at %g %s, %g %s)  base value out of range "
                "%7ld  no solution %5ld\n",
        scan.name, solved, worst, worstValue, scan.value.unit.data(), worstTemperature,
        scan.temperature.unit.data(), outOfRange, noSolution);
}

} // namespace

int main()
{
    const Scan scans[] = {
        { "53A", kCrudeDensityRange, 0.1, kMetricTemperatureRange, 0.5 },
        { "53B", kProductDensityRange, 0.1, kMetricTemperatureRange, 0.5 },
        { "5A", kCrudeApiRange, 0.05, kFahrenheitTemperatureRange, 1 },
        { "5B", kProductApiRange, 0.05, kFahrenheitTemperatureRange, 1 },
    };
    for (const Scan& scan : scans)
        run(scan);
}
