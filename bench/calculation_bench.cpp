// Prints the cost of the crude-oil factor against a bare exp on the full grid of
// the two pick lists, and the cost of one whole calculation run on the window model.
#include "calc/vcf53a.h"
#include "ui/main/calculation.h"
#include "ui/main/pick_lists.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The pick lists' values: -18.0 to 95.0 °C in tenths, 0.7000 to 1.0749 kg/litre.
constexpr int kTemperatures = corvald::ui::kTemperatureItemCount;
constexpr int kDensities = corvald::ui::kDensityItemCount;
constexpr int kRuns = 200000;

double temperatureAt(int i) { return (i - 180) / 10.0; }
double densityAt(int k) { return (7000 + k) / 10.0; } // kg/m3

template <class F> double nanosecondsPerCall(F call)
{
    const auto start = Clock::now();
    call();
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    return elapsed.count() / (double(kTemperatures) * kDensities);
}

class Discard : public corvald::ui::MessageBoxes {
public:
    void show(std::string_view, std::string_view) override { }
};

} // namespace

int main()
{
    volatile double sink = 0;
    const double vcf = nanosecondsPerCall([&] {
        double sum = 0;
        for (int i = 0; i < kTemperatures; ++i)
            for (int k = 0; k < kDensities; ++k)
                sum += corvald::calc::VCF53A(densityAt(k), temperatureAt(i));
        sink = sum;
    });
    const double exp = nanosecondsPerCall([&] {
        double sum = 0;
        for (int i = 0; i < kTemperatures; ++i)
            for (int k = 0; k < kDensities; ++k)
                sum += std::exp(-1e-6 * densityAt(k) * temperatureAt(i));
        sink = sum;
    });
    std::printf(
        "VCF53A          %8.2f ns per call (%d x %d grid)\n", vcf, kTemperatures, kDensities);
    std::printf("std::exp        %8.2f ns per call\n", exp);
    std::printf("ratio           %8.2f\n", vcf / exp);

    corvald::ui::Form1 form;
    Discard messages;
    form.Text1.Text = "1000";
    form.Combo1.Text = "20.0";
    form.Combo2.Text = "0.8500";
    const auto start = Clock::now();
    for (int run = 0; run < kRuns; ++run)
        corvald::ui::Command3_Click(form, messages);
    const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
    std::printf("RunCalculation  %8.3f us per run (%d runs)\n", elapsed.count() / kRuns, kRuns);
    return sink > 0 ? 0 : 1;
}
