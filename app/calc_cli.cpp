#include "app/calc_cli.h"

#include "app/calc_options.h"
#include "app/csv_batch.h"
#include "app/product_factors.h"

#include <ostream>

namespace corvald::app {

namespace {

    void printLines(std::ostream& out, const WindowResults& r)
    {
        out << r.densityInAirCaption << "  " << r.densityInAir << ' ' << r.densityUnit << '\n'
            << r.factorCaption << "  " << r.factor << '\n'
            << r.volume15Caption << "  " << r.volume15 << ' ' << r.volume15Unit << '\n'
            << r.resultCaption << "  " << r.result << ' ' << r.resultUnit << '\n';
    }

    // The captions hold only digits, ",", ".", "(", ")" and the unit: no escaping is needed.
    void printJson(std::ostream& out, const WindowResults& r)
    {
        out << "{\"density_air\": \"" << r.densityInAir << "\", \"vcf\": \"" << r.factor
            << "\", \"volume_15\": \"" << r.volume15 << "\", \"result\": \"" << r.result
            << "\", \"result_unit\": \"" << r.resultUnit << "\"}\n";
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

} // namespace corvald::app
