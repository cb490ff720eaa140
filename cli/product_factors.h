// corvald-calc --product and --product-exact: the refined-product factors.
#pragma once

#include <iosfwd>
#include <string_view>

namespace corvald::cli {

// density: kg/m3 at 15 °C, temperature: °C, both as typed. Returns the exit status.
int printProductFactor(std::string_view density, std::string_view temperature, bool onGrid,
    std::ostream& out, std::ostream& err);

} // namespace corvald::cli
