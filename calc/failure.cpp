#include "calc/failure.h"

#include <cmath>

namespace corvald::calc {

TypeMismatch::TypeMismatch(const std::string& text)
    : Failure("type mismatch: \"" + text + "\" is not a number")
{
}

Overflow::Overflow()
    : Failure("overflow: the result is not a finite number")
{
}

double finite(double x)
{
    if (!std::isfinite(x))
        throw Overflow();
    return x;
}

} // namespace corvald::calc
