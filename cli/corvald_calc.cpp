#include "cli/calc_cli.h"

#include <clocale>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    // The user's locale, as the window has it; the numbers never follow it.
    std::setlocale(LC_ALL, "");
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return corvald::cli::runCalcCli(args, std::cin, std::cout, std::cerr);
}
