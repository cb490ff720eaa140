// Run-time failures that the measurement procedures raise to their caller.
// The procedures have no error trap of their own: a text that is no number
// or an arithmetic result that is no finite number ends the procedure, and
// the caller's failure scope decides what the operator is told.
#pragma once

#include <stdexcept>
#include <string>

namespace corvald::calc {

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that cannot be read as a number (the "type mismatch" of the window).
class TypeMismatch : public Failure {
public:
    explicit TypeMismatch(const std::string& text);
};

// An arithmetic result that is not a finite number: division by zero or overflow.
class Overflow : public Failure {
public:
    Overflow();
};

// A value outside the range for which a table is defined; the text names the
// quantity, the value and the range.
class OutOfRange : public Failure {
public:
    using Failure::Failure;
};

// An iteration that did not settle within its tolerance; the text says where.
class NoSolution : public Failure {
public:
    using Failure::Failure;
};

// Returns x, or raises Overflow when x is infinite or not a number.
double finite(double x);

} // namespace corvald::calc
