// Writes the fixed batch of ROWS input rows (a header line first) to standard output.
#include "bench/batch_rows.h"

#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    std::size_t rows = 0;
    const char* text = argc == 2 ? argv[1] : "";
    const char* end = text + std::strlen(text);
    if (argc != 2 || std::from_chars(text, end, rows).ptr != end) {
        std::fputs("usage: batch_rows ROWS\n", stderr);
        return 2;
    }
    const std::string batch = corvald::bench::batchRows(rows);
    return std::fwrite(batch.data(), 1, batch.size(), stdout) == batch.size() ? 0 : 1;
}
