#include "calc/volume_correction.h"

#include "calc/failure.h"

#include <cmath>

namespace corvald::calc {

double volumeCorrection(double alpha, double deltaT)
{
    const double p = finite(-deltaT * alpha);
    const double q = finite(kQuadraticFactor * deltaT * alpha);
    const double s = finite(1 + q);
    return finite(std::exp(finite(p * s)));
}

} // namespace corvald::calc
