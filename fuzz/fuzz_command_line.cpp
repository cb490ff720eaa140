// corvald-calc on any command line: the fuzzer's bytes split at NUL into the
// arguments, and after a 0xFF byte the standard input. The status is 0, 1 or
// 2; a usage error is one line on standard error with nothing written; what
// is written is whole lines; no control character reaches standard error.
// Arguments naming a path are left out: a batch would read the named file.
#include "cli/calc_cli.h"
#include "fuzz/echo_checks.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corvald;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t inputStart = std::min(bytes.find('\xFF'), bytes.size());
    std::string_view line = bytes.substr(0, inputStart);
    std::vector<std::string_view> args;
    for (std::size_t end; !line.empty(); line.remove_prefix(std::min(end + 1, line.size()))) {
        end = std::min(line.find('\0'), line.size());
        args.push_back(line.substr(0, end));
    }
    if (std::any_of(args.begin(), args.end(),
            [](std::string_view arg) { return arg.find('/') != arg.npos; }))
        return 0;
    std::istringstream in(std::string(bytes.substr(std::min(inputStart + 1, bytes.size()))));
    std::ostringstream out, err;
    const int status = cli::runCalcCli(args, { in, out, err, false });
    const std::string written = out.str(), said = err.str();
    if (status < cli::kExitComputed || status > cli::kExitUsage)
        std::abort();
    if (status == cli::kExitUsage
        && (!written.empty() || std::count(said.begin(), said.end(), '\n') != 1))
        std::abort();
    if (!fuzz::wholeLines(written) || !fuzz::wholeLines(said) || !fuzz::harmless(said, "\n"))
        std::abort();
    return 0;
}
