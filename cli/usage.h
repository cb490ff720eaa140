// What corvald-calc --help and --version print.
#pragma once

#include <string_view>

namespace corvald::cli {

extern const std::string_view kUsage;
extern const std::string_view kVersion;

} // namespace corvald::cli
