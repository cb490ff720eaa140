// corvald-calc --product and --product-exact: the refined-product factors.
#pragma once

#include "cli/outcome.h"

#include <string_view>

namespace corvald::cli {

// density: kg/m3 at 15 °C, temperature: °C, both as typed. Every result is
// computed and written to its text before the outcome is returned, so a failure
// anywhere gives a rejection that names it and no results at all.
Outcome productFactor(std::string_view density, std::string_view temperature, bool onGrid);

} // namespace corvald::cli
