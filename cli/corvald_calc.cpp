#include "cli/calc_cli.h"

#include <clocale>
#include <iostream>
#include <string_view>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    // The user's locale, as the window has it; the numbers never follow it.
    std::setlocale(LC_ALL, "");
    // Buffered streams of their own: a batch reads and writes in blocks, not a line at a time.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return corvald::cli::runCalcCli(
        args, { std::cin, std::cout, std::cerr, isatty(STDERR_FILENO) == 1 });
}
