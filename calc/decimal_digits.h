// The decimal form of a double that the window's captions hold: its 15
// significant digits. Every rounding of the system is decided on this form,
// so a value that reads as a tie in a caption rounds as a tie, whatever the
// last bits of the binary double are.
#pragma once

#include <string>

namespace corvald::calc {

struct DecimalDigits {
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty for zero
    int exponent = 0; // the value is digits x 10^exponent

    bool isZero() const { return digits.empty(); }
    // Power of ten of the leading digit (0 for zero).
    int leadingExponent() const;
};

inline constexpr int kSignificantDigits = 15;

// x (finite) rounded to 15 significant digits.
DecimalDigits significantDigits(double x);

enum class Tie { toEven, awayFromZero };

// d rounded to a multiple of 10^-decimals; a tie goes by the given rule.
DecimalDigits roundedToDecimals(DecimalDigits d, int decimals, Tie tie);

} // namespace corvald::calc
