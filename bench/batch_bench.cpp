// The batch form of corvald-calc against a plain formula loop over the same
// fixed rows: rows per second and peak memory of `corvald-calc --csv` on a
// million rows, and instructions per row of both, counted under callgrind
// (the difference between a short and a long run, so start-up cancels out).
//
//     batch_bench PROGRAM [ROWS]
#include "bench/batch_rows.h"
#include "calc/vcf53a.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kRows = 1'000'000;
constexpr std::size_t kShortRun = 5'000;
constexpr std::size_t kLongRun = 25'000;
constexpr double kAirBuoyancy = 0.0011;

struct Run {
    double seconds = 0; // on the clock
    double cpuSeconds = 0; // user and system time of the program: what other load does not change
    long peakKiB = 0;
    int status = 0;
};

// Runs argv with standard input from `input` and standard output to `output`.
Run runProgram(
    const std::vector<std::string>& argv, const std::string& input, const std::string& output)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::fflush(stdout);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (!std::freopen(input.c_str(), "rb", stdin)
            || !std::freopen(output.c_str(), "wb", stdout))
            _exit(127);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    const auto seconds
        = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return { elapsed.count(), seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss,
        WIFEXITED(status) ? WEXITSTATUS(status) : -1 };
}

std::string temporaryPath(const char* name)
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/corvald-batch-bench-" + std::to_string(getpid())
        + "-" + name;
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The instructions callgrind counts for argv over `rows` rows.
double instructions(std::vector<std::string> argv, std::size_t rows, const std::string& out)
{
    const std::string input = temporaryPath("callgrind-rows.csv");
    const std::string counts = temporaryPath("callgrind.out");
    writeFile(input, corvald::bench::batchRows(rows));
    argv.insert(argv.begin(),
        { "valgrind", "--tool=callgrind", "--quiet", "--callgrind-out-file=" + counts });
    runProgram(argv, input, out);
    std::ifstream file(counts);
    std::string line;
    double total = 0;
    while (std::getline(file, line))
        if (line.starts_with("totals:") || line.starts_with("summary:"))
            total = std::stod(line.substr(line.find(':') + 1));
    std::remove(input.c_str());
    std::remove(counts.c_str());
    return total;
}

double instructionsPerRow(const std::vector<std::string>& argv)
{
    const double shortRun = instructions(argv, kShortRun, "/dev/null");
    const double longRun = instructions(argv, kLongRun, "/dev/null");
    return (longRun - shortRun) / double(kLongRun - kShortRun);
}

double field(std::string_view& row)
{
    const std::size_t comma = row.find(',');
    double value = 0;
    std::from_chars(row.data() + (row.starts_with('+') ? 1 : 0), row.data() + comma, value);
    row.remove_prefix(comma + 1);
    return value;
}

// The formulas alone: read the three numbers, the factor rounded to four
// decimals, the volume at 15 °C and the mass or the observed volume.
double formulaLoop(const std::string& rows)
{
    double sum = 0;
    std::string_view rest(rows);
    rest.remove_prefix(rest.find('\n') + 1);
    while (!rest.empty()) {
        std::string_view row = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(row.size() + 1);
        const double quantity = field(row);
        const double temperature = field(row);
        double density = field(row);
        const bool mass = row.starts_with("mt");
        if (row.ends_with("air"))
            density -= kAirBuoyancy;
        const double factor
            = std::round(corvald::calc::VCF53A(density * 1000, temperature) * 1e4) / 1e4;
        sum += mass ? quantity / density / factor : quantity * factor * density;
    }
    return sum;
}

int formulaLoopOnStandardInput()
{
    std::string rows;
    char block[1 << 16];
    while (const std::size_t n = std::fread(block, 1, sizeof block, stdin))
        rows.append(block, n);
    return std::isnan(formulaLoop(rows)) ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--formula-loop")
        return formulaLoopOnStandardInput();
    if (argc < 2 || argc > 3) {
        std::fputs("usage: batch_bench PROGRAM [ROWS]\n", stderr);
        return 2;
    }
    const std::size_t rows = argc == 3 ? std::stoul(argv[2]) : kRows;
    const std::string input = temporaryPath("rows.csv");
    writeFile(input, corvald::bench::batchRows(rows)); // freed again before the program starts

    const Run calc = runProgram({ argv[1], "--csv" }, input, "/dev/null");
    const std::string batch = corvald::bench::batchRows(rows);
    const auto loopStart = Clock::now();
    volatile double sink = formulaLoop(batch);
    const std::chrono::duration<double> loop = Clock::now() - loopStart;
    std::remove(input.c_str());
    (void)sink;

    std::printf("rows                      %zu\n", rows);
    std::printf("corvald-calc --csv        %10.0f rows/s  %10.0f rows per CPU second  peak %ld KiB"
                "  (exit %d)\n",
        double(rows) / calc.seconds, double(rows) / calc.cpuSeconds, calc.peakKiB, calc.status);
    std::printf("formula loop              %10.0f rows/s\n", double(rows) / loop.count());
    std::printf("instructions per row      %10.0f corvald-calc --csv\n",
        instructionsPerRow({ argv[1], "--csv" }));
    std::printf("                          %10.0f formula loop\n",
        instructionsPerRow({ std::filesystem::read_symlink("/proc/self/exe"), "--formula-loop" }));
    return 0;
}
