// What corvald-calc --help and --version print.
#pragma once

#include <string>
#include <string_view>

namespace corvald::cli {

// The help, with the list of tables written from the registry of tables.
std::string usageText();
extern const std::string_view kVersion;

} // namespace corvald::cli
