// Runs corvald-calc in-process on texts, as a shell would run the program.
#pragma once

#include "cli/calc_cli.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace corvald::cli {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun run(std::vector<std::string_view> args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCalcCli(args, { in, out, err, false });
    return { status, out.str(), err.str() };
}

} // namespace corvald::cli
