#include "cli/calc_cli.h"

#include "cli/calc_options.h"
#include "cli/csv_batch.h"
#include "cli/product_factors.h"

#include <ostream>

namespace corvald::cli {

namespace {

    void printLine(std::ostream& out, const ui::RowCaption& row, const std::string& value)
    {
        out << row.caption << "  " << value;
        if (!row.unit.empty())
            out << ' ' << row.unit;
        out << '\n';
    }

    void printLines(std::ostream& out, const WindowResults& r)
    {
        printLine(out, r.densityInAirRow, r.densityInAir);
        printLine(out, r.factorRow, r.factor);
        printLine(out, r.volume15Row, r.volume15);
        printLine(out, r.resultRow, r.result);
    }

    // The captions hold only digits, ",", ".", "(", ")" and the unit: no escaping is needed.
    void printJson(std::ostream& out, const WindowResults& r)
    {
        out << "{\"density_air\": \"" << r.densityInAir << "\", \"vcf\": \"" << r.factor
            << "\", \"volume_15\": \"" << r.volume15 << "\", \"result\": \"" << r.result
            << "\", \"result_unit\": \"" << r.resultRow.unit << "\"}\n";
    }

    int runOne(const CalcOptions& options, std::ostream& out, std::ostream& err)
    {
        const WindowOutcome outcome = calculateOnFreshWindow(options.input);
        if (outcome.rejection) {
            err << outcome.rejection->title << ": " << outcome.rejection->prompt << '\n';
            return kExitRejected;
        }
        if (options.form == OutputForm::json)
            printJson(out, outcome.results);
        else
            printLines(out, outcome.results);
        return kExitComputed;
    }

} // namespace

int runCalcCli(
    std::span<const std::string_view> args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (std::holds_alternative<ShowHelp>(parsed)) {
        out << kUsage;
        return kExitComputed;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err << "corvald-calc: " << error->reason << "\n\n" << kUsage;
        return kExitUsage;
    }
    const auto& options = std::get<CalcOptions>(parsed);
    if (options.form == OutputForm::product || options.form == OutputForm::productExact)
        return printProductFactor(options.input.density, options.input.temperature,
            options.form == OutputForm::product, out, err);
    if (options.form == OutputForm::csv)
        return runCsvBatch(in, out, options.input) ? kExitComputed : kExitRejected;
    return runOne(options, out, err);
}

} // namespace corvald::cli
