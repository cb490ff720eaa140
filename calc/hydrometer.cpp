#include "calc/hydrometer.h"

namespace corvald::calc {

namespace {

    double glassFactor(double deltaT, double linear, double quadratic)
    {
        return 1 - linear * deltaT - quadratic * deltaT * deltaT;
    }

} // namespace

double glassFactorCelsius(double t) { return glassFactor(t - 15, 0.000023, 0.00000002); }

double glassFactorFahrenheit(double t) { return glassFactor(t - 60, 0.00001278, 0.0000000062); }

} // namespace corvald::calc
