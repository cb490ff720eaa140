#include "cli/table_mode.h"

#include "calc/edition1980/tables_1980.h"
#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/tables/registry.h"
#include "cli/edition2004_mode.h"
#include "cli/table_input.h"
#include "cli/table_output.h"
#include "cli/table_usage.h"

#include <charconv>
#include <ostream>
#include <string>

namespace corvald::cli {

namespace {

    using calc::tables::Hydrometer;
    using calc::tables::TableEntry;
    using calc::tables::TableKind;
    using calc::tables::TableResult;

    // The option that gives a table its value, by the unit the table takes it in.
    struct ValueOption {
        std::string_view unit;
        std::string_view option;
        std::string_view name; // in the messages
    };
    constexpr ValueOption kDensityOption { "kg/m3", "--density", "density" };
    constexpr ValueOption kApiOption { "°API", "--api", "API gravity" };

    const ValueOption& valueOption(const TableEntry& table)
    {
        return table.takes.unit == kApiOption.unit ? kApiOption : kDensityOption;
    }

    std::optional<std::string_view> valueGiven(const ValueOption& o, const TableRequest& request)
    {
        return &o == &kApiOption ? request.api : request.density;
    }

    std::optional<int> decimalsOf(std::string_view text)
    {
        int decimals = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), decimals);
        if (ec != std::errc() || end != text.data() + text.size())
            return std::nullopt;
        return decimals;
    }

    std::optional<std::string> decimalsProblem(const TableEntry& table, std::string_view text)
    {
        const int fewest = table.gives.decimals;
        const std::optional<int> decimals = decimalsOf(text);
        if (decimals && *decimals >= fewest && *decimals <= calc::tables::kMostDecimals)
            return std::nullopt;
        return "--decimals \"" + std::string(text) + "\": table " + std::string(table.name)
            + " prints " + std::to_string(fewest) + " to "
            + std::to_string(calc::tables::kMostDecimals) + " decimals";
    }

    // A request the table cannot take, or empty when it can.
    std::optional<std::string> usageProblem(const TableEntry& table, const TableRequest& request)
    {
        const ValueOption& wanted = valueOption(table);
        const ValueOption& other = &wanted == &kApiOption ? kDensityOption : kApiOption;
        const std::string name = "table " + std::string(table.name);
        if (valueGiven(other, request))
            return name + " takes " + std::string(wanted.option) + " in " + std::string(wanted.unit)
                + ", not " + std::string(other.option);
        if (!valueGiven(wanted, request))
            return name + " needs " + std::string(wanted.option);
        if (!request.temperature)
            return name + " needs --temperature";
        if (request.hydrometer && table.kind != TableKind::reading)
            return name + " takes no --hydrometer: its input is no reading";
        if (request.hydrometer && *request.hydrometer != "glass" && *request.hydrometer != "none")
            return "--hydrometer \"" + std::string(*request.hydrometer) + "\": give glass or none";
        if (request.decimals)
            return decimalsProblem(table, *request.decimals);
        return std::nullopt;
    }

    TableResult compute(const TableEntry& table, const TableRequest& request)
    {
        const ValueOption& option = valueOption(table);
        const double value = readTableInput(option.name, *valueGiven(option, request));
        const double temperature = readTableInput("temperature", *request.temperature);
        return table.procedure({ value, temperature,
            request.hydrometer == "none" ? Hydrometer::none : Hydrometer::glass,
            request.decimals ? decimalsOf(*request.decimals) : std::nullopt });
    }

} // namespace

TableStatus runTableMode(const TableRequest& request, std::ostream& out, std::ostream& err)
{
    const std::string_view edition = request.edition.value_or(calc::edition1980::kEdition);
    if (edition == "2004")
        return runEdition2004Table(request, out, err);
    const TableEntry* table = calc::tables::findTable(calc::edition1980::kEdition, request.table);
    std::optional<std::string> problem;
    if (edition != calc::edition1980::kEdition)
        problem = "--edition \"" + std::string(edition) + "\": give 1980 or 2004";
    else if (request.pressure || request.relativeDensity || request.alpha || request.exact)
        problem = std::string(request.pressure      ? "--pressure"
                          : request.relativeDensity ? "--relative-density"
                          : request.alpha           ? "--alpha"
                                                    : "--exact")
            + " belongs to the 2004 edition: add --edition 2004";
    else if (!table)
        problem = "--table \"" + std::string(request.table) + "\": give "
            + tableNames(calc::edition1980::kEdition);
    else
        problem = usageProblem(*table, request);
    if (problem)
        return reportUsage(err, *problem);
    return runReported(table->name, request.json, out, err, [&] {
        const TableResult result = compute(*table, request);
        if (request.json)
            printTableJson(out, result);
        else
            printTableText(out, result);
    });
}

} // namespace corvald::cli
