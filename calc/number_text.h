// The four conversions between numbers and the text of the window's controls.
// They never consult the process locale: "." is always the decimal point and
// "," always the digit-group separator, whatever LC_ALL says.
#pragma once

#include <string>
#include <string_view>

namespace corvald::calc {

// Reads a decimal number: optional blanks, an optional sign, digits with an
// optional "." and fraction, an optional exponent ("E-05", as writeNumber
// writes very small or large values), optional blanks. Anything else, an empty
// text, blanks only, and a value beyond the range of a double raise TypeMismatch.
double readNumber(std::string_view text);

// Writes x with at most 15 significant digits, no trailing zeros or point, no
// grouping, "0" before the point below 1, "-" for negatives ("0.8489", "1000").
// Below 1E-4 or from 1E+15 on the exponent form "1.5E-05" is written. Raises
// Overflow for a value that is not finite or whose text would exceed the range
// of a double (from 1.797693134862315E+308 on).
std::string writeNumber(double x);

// The decimals of a rounded V.C.F., in the calculation and on the screen.
inline constexpr int kFactorDecimals = 4;

// x rounded to a multiple of 0.0001; a tie in its 15-digit form goes to the even digit.
// Raises Overflow for a value that is not finite or whose rounding exceeds the range
// of a double, as writeNumber does.
double roundToFourDecimals(double x);

// x rounded as roundToFourDecimals does, to `decimals` places, written with exactly
// that many digits after the point, no grouping, "-" for negatives: "0.9950", "786.65".
std::string fixedDecimals(double x, int decimals);
double roundToDecimals(double x, int decimals);

// x as its written text reads back: readNumber(writeNumber(x)), the double nearest to
// its 15 significant digits, found without writing the text where it can be.
// Raises Overflow as writeNumber does.
double writtenValue(double x);

// x with exactly `decimals` digits after the point, rounded half away from zero
// on its 15-digit form, the whole digits grouped in threes with ",", a negative
// value in parentheses: 1004.31856985036 -> "1,004.319", -2.5 -> "(2.500)".
// A value that rounds to zero is shown as zero, without parentheses. Raises
// Overflow for a value that is not finite.
std::string displayFormat(double x, int decimals);

} // namespace corvald::calc
