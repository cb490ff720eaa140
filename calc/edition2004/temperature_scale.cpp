#include "calc/edition2004/temperature_scale.h"

#include <array>

namespace corvald::calc::edition2004 {

namespace {

    // source kMpms2004: a1 … a8 of the ITS-90 to IPTS-68 difference, τ = t/630 °C.
    constexpr std::array<double, 8> kScaleDifference
        = { -0.148759, -0.267408, 1.080760, 1.269056, -4.089591, -1.871251, 7.438081, -3.536296 };
    constexpr double kScaleDifferenceSpan = 630.0; // °C

} // namespace

double ipts68Fahrenheit(double its90Fahrenheit)
{
    const double celsius = celsiusOfFahrenheit(its90Fahrenheit);
    const double tau = celsius / kScaleDifferenceSpan;
    double sum = 0;
    for (auto a = kScaleDifference.rbegin(); a != kScaleDifference.rend(); ++a)
        sum = sum * tau + *a;
    return fahrenheitOfCelsius(celsius - sum * tau);
}

} // namespace corvald::calc::edition2004
