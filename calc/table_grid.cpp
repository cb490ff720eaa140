#include "calc/table_grid.h"

#include "calc/number_text.h"
#include "calc/product_bands.h"

#include <array>
#include <cmath>

namespace corvald::calc {

namespace {

    // Each threshold lies 0.001 above the midpoint between two quarter degrees.
    struct QuarterStep {
        double below;
        double add;
    };
    constexpr std::array<QuarterStep, 4> kQuarterSteps = { {
        { 0.126, 0.0 },
        { 0.376, 0.25 },
        { 0.626, 0.5 },
        { 0.876, 0.75 },
    } };

    int signOf(double t) { return t > 0 ? 1 : (t < 0 ? -1 : 0); }

} // namespace

double TempCorr(std::optional<double> Temp)
{
    if (!Temp)
        return kNullGridTemperature;
    const double magnitude = std::fabs(*Temp);
    const double whole = std::floor(magnitude);
    const double fraction = magnitude - whole;
    const int sign = signOf(*Temp);
    for (const QuarterStep& step : kQuarterSteps)
        if (fraction < step.below)
            return (whole + step.add) * sign;
    return (whole + 1) * sign; // 0.876 <= fraction < 1
}

double TempCorr(std::string_view Temp) { return TempCorr(readNumber(Temp)); }

double Even(double wholeDensity)
{
    return std::fmod(wholeDensity, 2.0) == 0 ? wholeDensity : wholeDensity + 1;
}

double Density(double Dens) { return std::nearbyint(Even(std::floor(Dens))); }

std::optional<double> Density54b(double& Dens)
{
    Dens = Density(Dens);
    return productCoefficient(Dens);
}

} // namespace corvald::calc
