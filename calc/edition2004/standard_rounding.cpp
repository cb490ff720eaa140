#include "calc/edition2004/standard_rounding.h"

#include "calc/number_text.h"

namespace corvald::calc::edition2004 {

double rounded(double x, Resolution resolution)
{
    // A step of 5 in a digit is a whole step of the digit before it, counted twice.
    const double doubled = x * resolution.perUnit;
    return roundAwayFromZero(doubled, resolution.decimals) / resolution.perUnit;
}

} // namespace corvald::calc::edition2004
