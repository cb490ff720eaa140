#include "cli/edition2004_mode.h"

#include "calc/edition2004/input_ranges.h"
#include "calc/edition2004/table_calculation.h"
#include "calc/edition2004/tables_2004.h"
#include "calc/failure.h"
#include "calc/number_text.h"
#include "cli/edition2004_report.h"
#include "cli/report.h"
#include "cli/table_input.h"
#include "cli/table_usage.h"

#include <ostream>
#include <string>

namespace corvald::cli {

namespace {

    namespace e2004 = calc::edition2004;

    // The density option the request gives, or a usage problem.
    std::optional<std::string> usageProblem(
        const e2004::Edition2004Table& t, const TableRequest& request)
    {
        const std::string table = "table " + std::string(t.name) + " of the 2004 edition";
        const int densities
            = (request.density ? 1 : 0) + (request.api ? 1 : 0) + (request.relativeDensity ? 1 : 0);
        const bool metric = t.basis != e2004::TableBasis::fahrenheit60;
        if (metric && (request.api || request.relativeDensity))
            return table + " takes --density in kg/m3";
        if (densities == 0)
            return table
                + (metric ? " needs --density" : " needs --api, --relative-density or --density");
        if (densities > 1)
            return table + " takes one of --api, --relative-density and --density";
        if (!request.temperature)
            return table + " needs --temperature";
        const bool givenAlpha = t.commodity == e2004::Commodity::specialApplications;
        if (givenAlpha && !request.alpha)
            return table + " needs --alpha, the thermal expansion coefficient at 60 °F in "
                + std::string(e2004::kAlphaUnit);
        if (!givenAlpha && request.alpha)
            return table + " takes no --alpha: its commodity group gives α60";
        if (request.hydrometer)
            return table + " takes no --hydrometer: it corrects no glass";
        return std::nullopt;
    }

    e2004::TableRequest readRequest(const TableRequest& request)
    {
        e2004::TableRequest r;
        if (request.api) {
            r.form = e2004::DensityForm::api;
            r.density = readTableInput("API gravity", *request.api);
        } else if (request.relativeDensity) {
            r.form = e2004::DensityForm::relativeDensity;
            r.density = readTableInput("relative density", *request.relativeDensity);
        } else {
            r.density = readTableInput("density", *request.density);
        }
        r.temperature = readTableInput("temperature", *request.temperature);
        r.pressure = request.pressure ? readTableInput("pressure", *request.pressure) : 0.0;
        if (request.alpha)
            r.alpha60 = readTableInput("thermal expansion coefficient", *request.alpha);
        r.exact = request.exact;
        return r;
    }

} // namespace

TableStatus runEdition2004Table(const TableRequest& request, std::ostream& out, std::ostream& err)
{
    const calc::tables::TableEntry* entry = calc::tables::findTable(e2004::kEdition, request.table);
    const e2004::Edition2004Table* table = entry ? entry->edition2004 : nullptr;
    std::optional<std::string> problem;
    if (!table)
        problem = "--table \"" + std::string(request.table) + "\" of the 2004 edition: give "
            + tableNames(e2004::kEdition);
    else
        problem = usageProblem(*table, request);
    if (problem)
        return reportUsage(err, *problem);
    return runReported(table->name, request.json, out, err, [&] {
        const e2004::TableRequest given = readRequest(request);
        const Edition2004Report report { *table, given, e2004::computeTable(*table, given) };
        if (request.json)
            printEdition2004Json(out, report);
        else
            printEdition2004Text(out, report);
    });
}

} // namespace corvald::cli
