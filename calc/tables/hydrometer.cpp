#include "calc/tables/hydrometer.h"

#include "calc/tables/api_gravity.h"
#include "calc/volume_correction.h"

namespace corvald::calc::tables {

namespace {

    double glassFactor(double deltaT, double linear, double quadratic)
    {
        return 1 - linear * deltaT - quadratic * deltaT * deltaT;
    }

} // namespace

double glassFactorCelsius(double t)
{
    return glassFactor(t - kBaseTemperature, kGlassLinearPerCelsius, kGlassQuadraticPerCelsius);
}

double glassFactorFahrenheit(double t)
{
    return glassFactor(
        t - kFahrenheitBase, kGlassLinearPerFahrenheit, kGlassQuadraticPerFahrenheit);
}

} // namespace corvald::calc::tables
