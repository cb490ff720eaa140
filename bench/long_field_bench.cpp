// The batch's reader over 100 MB of one over-long field against 100 MB of
// commas: seconds for each and their ratio. Refusing a field that is too long
// should cost no more per byte than reading any other byte, so the ratio
// should stay near 1.
//
//     long_field_bench [MEGABYTES]
#include "cli/csv_batch.h"
#include "cli/csv_reader.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kMegabytes = 100;
constexpr std::size_t kBytesPerMegabyte = 1'000'000;

// Seconds the reader takes over `input`, record by record.
double secondsToRead(const std::string& input)
{
    std::istringstream in(input);
    corvald::cli::CsvReader reader(in, 5, corvald::cli::kLongestField);
    corvald::cli::CsvRecord record;
    const auto start = std::chrono::steady_clock::now();
    while (reader.next(record)) { }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t megabytes = kMegabytes;
    if (argc > 1) {
        const std::string_view given = argv[1];
        std::from_chars(given.data(), given.data() + given.size(), megabytes);
    }
    const std::size_t bytes = megabytes * kBytesPerMegabyte;
    const double longField = secondsToRead(std::string(bytes, '7') + '\n');
    const double commas = secondsToRead(std::string(bytes, ',') + '\n');
    const double per100 = 100.0 / static_cast<double>(megabytes);
    std::printf("reader over %zu MB       seconds per 100 MB\n", megabytes);
    std::printf("one long field          %8.2f\n", longField * per100);
    std::printf("commas                  %8.2f\n", commas * per100);
    std::printf("long field / commas     %8.2f\n", longField / commas);
}
