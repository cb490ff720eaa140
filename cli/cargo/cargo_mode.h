// corvald-calc --cargo: a surveyor's quantity report over the tanks of a CSV,
// with the totals per grade and for the cargo.
#pragma once

#include <iosfwd>
#include <string_view>

namespace corvald::cli::cargo {

enum class CargoFormat { text, csv, json };

// The exit status: 0 when every tank is in the totals; 1 when a row was left
// out (the totals say so), the input is no cargo file or could not be read, or
// the output could not be written.
int runCargo(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err,
    CargoFormat format);

} // namespace corvald::cli::cargo
