// A whole batch on any input: the reader, the rows and the CSV or JSON Lines
// writer together, with the defaults the first byte chooses. The status is 0
// or 1; a message on standard error refuses the whole input, with nothing
// written, and a status of 1 without one has written rows; the output
// is whole lines; no control character reaches standard error, nor the CSV
// output beyond the tab and line breaks a field may hold, nor JSON Lines
// beyond their line ends.
#include "cli/calc_cli.h"
#include "fuzz/echo_checks.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corvald;
    if (size < 1)
        return 0;
    const bool json = data[0] & 1;
    std::vector<std::string_view> args { "--csv" };
    if (json)
        args.push_back("--json");
    if (data[0] & 2)
        args.insert(args.end(), { "--from", "mt" });
    if (data[0] & 4)
        args.insert(args.end(), { "--basis", "air" });
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::ostringstream out, err;
    const int status = cli::runCalcCli(args, { in, out, err, false });
    const std::string written = out.str(), said = err.str();
    if (status != cli::kExitComputed && status != cli::kExitRejected)
        std::abort();
    const bool refused = !said.empty(); // the whole input, with nothing written
    if (status == cli::kExitComputed ? refused : !refused && written.empty())
        std::abort();
    if (refused && (status != cli::kExitRejected || !written.empty()))
        std::abort();
    if (!fuzz::wholeLines(written) || !fuzz::wholeLines(said))
        std::abort();
    if (!fuzz::harmless(said, "\n") || !fuzz::harmless(written, json ? "\n" : "\t\r\n"))
        std::abort();
    return 0;
}
