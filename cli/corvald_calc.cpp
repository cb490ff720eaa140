#include "cli/calc_cli.h"
#include "cli/stop_signal.h"

#include <clocale>
#include <iostream>
#include <string_view>
#include <unistd.h>
#include <vector>

#ifndef _WIN32
#include "cli/stoppable_input.h"
#endif

int main(int argc, char** argv)
{
    // The user's locale, as the window has it; the numbers never follow it.
    std::setlocale(LC_ALL, "");
    // Buffered streams of their own: a batch reads and writes in blocks, not a line at a time.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    corvald::cli::catchStopSignals();
#ifdef _WIN32
    std::istream& in = std::cin;
#else
    corvald::cli::StoppableInput input(STDIN_FILENO);
    std::istream in(&input);
#endif
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const int status
        = corvald::cli::runCalcCli(args, { in, std::cout, std::cerr, isatty(STDERR_FILENO) == 1 });
    const int signal = corvald::cli::stopSignal();
    return signal != 0 ? corvald::cli::stoppedStatus(signal) : status;
}
