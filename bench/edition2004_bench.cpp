// The 2004 edition: the time of one CTPL and of one inverse beside the 1980 factor of
// the same table, the worst-case iterations of the inverse over the whole range, and
// the largest difference between the two editions' factors to 15 °C.
#include "calc/edition1980/tables_1980.h"
#include "calc/edition2004/table_calculation.h"
#include "calc/edition2004/tables_2004.h"
#include "calc/failure.h"
#include "calc/tables/registry.h"

#include <chrono>
#include <cmath>
#include <cstdio>

using namespace corvald::calc;
namespace e2004 = corvald::calc::edition2004;

namespace {

constexpr int kCalls = 200000;

double factor1980(const char* table, double value, double temperature)
{
    return tables::findTable(edition1980::kEdition, table)
        ->procedure({ value, temperature, tables::Hydrometer::none, std::nullopt })
        .result.value;
}

template <typename F> double nanosecondsPerCall(F call)
{
    volatile double sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCalls; ++i)
        sink = sink + call(i);
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / kCalls;
}

void timePerCall()
{
    const auto& t6A = *e2004::edition2004Table("6A");
    const auto& t5A = *e2004::edition2004Table("5A");
    const double forward = nanosecondsPerCall([&](int i) {
        return e2004::computeTable(t6A, { e2004::DensityForm::api, 30 + (i % 7) * 0.1, 90, 500 })
            .ctpl.unrounded;
    });
    const double inverse = nanosecondsPerCall([&](int i) {
        return e2004::computeTable(
            t5A, { e2004::DensityForm::density, 850 + (i % 7) * 0.1, 90, 500 })
            .density60;
    });
    const double old6A
        = nanosecondsPerCall([](int i) { return factor1980("6A", 30 + (i % 7) * 0.1, 90); });
    const double old5A
        = nanosecondsPerCall([](int i) { return factor1980("5A", 30 + (i % 7) * 0.1, 90); });
    std::printf("CTPL 6A 2004  %8.0f ns/call   1980 6A %8.0f ns/call   ratio %.2f\n", forward,
        old6A, forward / old6A);
    std::printf("inverse 5A 2004 %6.0f ns/call   1980 5A %8.0f ns/call   ratio %.2f\n", inverse,
        old5A, inverse / old5A);
}

void worstIterations(const char* name)
{
    const auto& table = *e2004::edition2004Table(name);
    long solved = 0, outOfRange = 0, noSolution = 0;
    int worst = 0;
    double at[3] = {};
    for (double density = 500; density <= 1200; density += 1)
        for (double t = -58; t <= 302; t += 2)
            for (double p : { 0.0, 750.0, 1500.0 }) {
                try {
                    const int steps = e2004::computeTable(
                        table, { e2004::DensityForm::density, density, t, p, true })
                                          .steps;
                    ++solved;
                    if (steps > worst) {
                        worst = steps;
                        at[0] = density, at[1] = t, at[2] = p;
                    }
                } catch (const OutOfRange&) {
                    ++outOfRange;
                } catch (const NoSolution&) {
                    ++noSolution;
                }
            }
    std::printf("%-3s solved %7ld  worst %3d steps (at %g kg/m3, %g °F, %g psig)  out of range "
                "%6ld  no solution %5ld\n",
        name, solved, worst, at[0], at[1], at[2], outOfRange, noSolution);
}

void largestDifference(const char* name, double lowest, double highest)
{
    const auto& table = *e2004::edition2004Table(name);
    double largest = 0, atDensity = 0, atTemperature = 0, at2004 = 0, at1980 = 0;
    for (double density = lowest; density <= highest; density += 0.5)
        for (double t = -18; t <= 150; t += 0.25) {
            double a = 0, b = 0;
            try {
                a = e2004::computeTable(table, { e2004::DensityForm::density, density, t, 0, true })
                        .ctl.unrounded;
                b = factor1980(name, density, t);
            } catch (const Failure&) {
                continue;
            }
            if (std::abs(a - b) > largest) {
                largest = std::abs(a - b);
                atDensity = density, atTemperature = t, at2004 = a, at1980 = b;
            }
        }
    std::printf("%s 2004 - 1980 largest |difference| %.6f at %g kg/m3, %g °C (2004 %.6f, 1980 "
                "%.6f); at 850 kg/m3, 30 °C: 2004 %.6f, 1980 %.6f\n",
        name, largest, atDensity, atTemperature, at2004, at1980,
        e2004::computeTable(table, { e2004::DensityForm::density, 850, 30, 0, true }).ctl.unrounded,
        factor1980(name, 850, 30));
}

} // namespace

int main()
{
    timePerCall();
    for (const char* name : { "5A", "5B" })
        worstIterations(name);
    largestDifference("54A", 611, 1075);
    largestDifference("54B", 654, 1074.5);
}
