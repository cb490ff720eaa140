#include "cli/calc_cli.h"

#include "cli/cargo/cargo_mode.h"
#include "cli/command_line.h"
#include "cli/csv_batch.h"
#include "cli/escaped_text.h"
#include "cli/product_factors.h"
#include "cli/report.h"
#include "cli/table_mode.h"
#include "cli/usage.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>

namespace corvald::cli {

namespace {

    // Writes the whole report at once, after everything was computed.
    int report(const Outcome& outcome, Format format, const Streams& s)
    {
        if (outcome.rejection)
            reportRejection(s.err, *outcome.rejection);
        if (format == Format::json)
            s.out << jsonReport(outcome);
        else if (!outcome.rejection)
            s.out << textReport(outcome);
        return outcome.rejection ? kExitRejected : kExitComputed;
    }

    // The rows of a batch or a cargo: the file named, or standard input.
    struct RowsInput {
        std::ifstream file;
        std::istream* in = nullptr;
        std::string_view source;
    };

    bool openRows(const Invocation& invocation, const Streams& s, RowsInput& rows)
    {
        rows.in = &s.in;
        rows.source = "standard input";
        if (invocation.rowsFile.empty() || invocation.rowsFile == "-")
            return true;
        rows.file.open(invocation.rowsFile, std::ios::binary);
        if (!rows.file) {
            const int cause = errno;
            s.err << kProgramName << ": " << messageText(invocation.rowsFile) << ": "
                  << std::strerror(cause) << '\n';
            return false;
        }
        rows.in = &rows.file;
        rows.source = invocation.rowsFile;
        return true;
    }

    int batch(const Invocation& invocation, const Streams& s)
    {
        RowsInput rows;
        if (!openRows(invocation, s, rows))
            return kExitRejected;
        Progress progress(s.errIsTerminal ? &s.err : nullptr);
        const BatchEnd end = runBatch(
            *rows.in, rows.source, s.out, s.err, invocation.format, invocation.input, progress);
        return end == BatchEnd::allComputed ? kExitComputed : kExitRejected;
    }

    int cargoReport(const Invocation& invocation, const Streams& s)
    {
        RowsInput rows;
        if (!openRows(invocation, s, rows))
            return kExitRejected;
        const cargo::CargoFormat format = invocation.format == Format::json
            ? cargo::CargoFormat::json
            : invocation.format == Format::csv ? cargo::CargoFormat::csv
                                               : cargo::CargoFormat::text;
        return cargo::runCargo(*rows.in, rows.source, s.out, s.err, format);
    }

    int table(const Invocation& invocation, const Streams& s)
    {
        const TableInput& t = invocation.table;
        const TableRequest request { t.name, t.density, t.api, t.temperature, t.hydrometer,
            t.decimals, t.edition, t.pressure, t.relativeDensity, t.alpha, t.exact,
            invocation.format == Format::json };
        return static_cast<int>(runTableMode(request, s.out, s.err));
    }

    int run(const Invocation& invocation, const Streams& s)
    {
        const WindowInput& input = invocation.input;
        switch (invocation.mode) {
        case Mode::batch:
            return batch(invocation, s);
        case Mode::product:
        case Mode::productExact:
            return report(
                productFactor(input.density, input.temperature, invocation.mode == Mode::product),
                invocation.format, s);
        case Mode::table:
            return table(invocation, s);
        case Mode::cargo:
            return cargoReport(invocation, s);
        case Mode::crude:
            break;
        }
        return report(crudeOutcome(calculateOnFreshWindow(input)), invocation.format, s);
    }

    // A status of 0 or 1 when the output reached its destination; otherwise
    // the failure is reported and the status is 1.
    int delivered(int status, const Streams& s)
    {
        s.out.flush();
        if (s.out)
            return status;
        s.err << kProgramName << ": write error";
        if (errno != 0)
            s.err << ": " << std::strerror(errno);
        s.err << '\n';
        return kExitRejected;
    }

} // namespace

int runCalcCli(std::span<const std::string_view> args, const Streams& streams)
{
    errno = 0; // a write error names its cause when the writing left one here
    const CommandLine parsed = parseCommandLine(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        streams.err << kProgramName << ": " << messageText(error->reason) << ". Try '"
                    << kProgramName << " --help'\n";
        return kExitUsage;
    }
    if (std::holds_alternative<ShowHelp>(parsed)) {
        streams.out << usageText();
        return delivered(kExitComputed, streams);
    }
    if (std::holds_alternative<ShowVersion>(parsed)) {
        streams.out << kVersion;
        return delivered(kExitComputed, streams);
    }
    return delivered(run(std::get<Invocation>(parsed), streams), streams);
}

} // namespace corvald::cli
