#include "cli/table_mode.h"

#include "calc/api_tables.h"
#include "calc/density_tables.h"
#include "calc/failure.h"
#include "calc/number_text.h"
#include "cli/escaped_text.h"
#include "cli/report.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>
#include <string>

namespace corvald::cli {

namespace {

    using calc::Hydrometer;
    using calc::TableResult;

    enum class Quantity { density, api };

    struct TableMode {
        std::string_view name;
        Quantity quantity;
        TableResult (*fromReading)(double, double, Hydrometer); // the tables of a reading
        TableResult (*fromBase)(double, double); // the factor tables
    };

    constexpr std::array<TableMode, 8> kModes = { {
        { "53A", Quantity::density, calc::table53A, nullptr },
        { "53B", Quantity::density, calc::table53B, nullptr },
        { "54A", Quantity::density, nullptr, calc::table54A },
        { "54B", Quantity::density, nullptr, calc::table54B },
        { "5A", Quantity::api, calc::table5A, nullptr },
        { "5B", Quantity::api, calc::table5B, nullptr },
        { "6A", Quantity::api, nullptr, calc::table6A },
        { "6B", Quantity::api, nullptr, calc::table6B },
    } };

    constexpr std::string_view kTableNames = "53A, 53B, 54A, 54B, 5A, 5B, 6A or 6B";

    const TableMode* modeNamed(std::string_view name)
    {
        std::string upper(name);
        std::transform(upper.begin(), upper.end(), upper.begin(),
            [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        for (const TableMode& mode : kModes)
            if (mode.name == upper)
                return &mode;
        return nullptr;
    }

    // A request the table cannot take, or empty when it can.
    std::optional<std::string> usageProblem(const TableMode& mode, const TableRequest& request)
    {
        const bool byDensity = mode.quantity == Quantity::density;
        const std::string table = "table " + std::string(mode.name);
        if (byDensity && request.api)
            return table + " takes --density in kg/m3, not --api";
        if (!byDensity && request.density)
            return table + " takes --api in °API, not --density";
        if (!(byDensity ? request.density : request.api))
            return table + (byDensity ? " needs --density" : " needs --api");
        if (!request.temperature)
            return table + " needs --temperature";
        if (request.hydrometer && !mode.fromReading)
            return table + " takes no --hydrometer: its input is no reading";
        if (request.hydrometer && *request.hydrometer != "glass" && *request.hydrometer != "none")
            return "--hydrometer \"" + std::string(*request.hydrometer) + "\": give glass or none";
        return std::nullopt;
    }

    // An input that the window's number reading refuses, named with its text.
    class UnreadableInput : public calc::Failure {
    public:
        using Failure::Failure;
    };

    double readInput(std::string_view name, std::string_view text)
    {
        try {
            return calc::readNumber(text);
        } catch (const calc::TypeMismatch&) {
            throw UnreadableInput(
                "the " + std::string(name) + " \"" + std::string(text) + "\" is not a number");
        }
    }

    std::string capitalized(std::string text)
    {
        if (!text.empty())
            text.front()
                = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
        return text;
    }

    void printLine(std::ostream& out, std::string_view caption, const std::string& value,
        std::string_view unit)
    {
        out << caption << "  " << value;
        if (!unit.empty())
            out << ' ' << unit;
        out << '\n';
    }

    void printValue(std::ostream& out, const calc::TableValue& v)
    {
        printLine(out, capitalized(v.name), calc::writeNumber(v.value), v.unit);
    }

    std::string_view hydrometerName(Hydrometer h)
    {
        return h == Hydrometer::glass ? "glass" : "none";
    }

    void printText(std::ostream& out, const TableResult& r)
    {
        out << "Table " << r.table << ": " << r.title << '\n';
        for (const calc::TableValue& input : r.inputs)
            printValue(out, input);
        if (r.hydrometer)
            printLine(out, "Hydrometer", std::string(hydrometerName(*r.hydrometer)), "");
        printLine(out, "Band", r.band, "");
        for (const calc::TableValue& constant : r.constants)
            printValue(out, constant);
        printLine(out, "Alpha", calc::writeNumber(r.alpha), r.alphaUnit);
        if (r.iterations > 0)
            printLine(out, "Newton steps", std::to_string(r.iterations), "");
        printLine(out, capitalized(r.result.name) + " unrounded", calc::writeNumber(r.result.value),
            r.result.unit);
        printLine(out, capitalized(r.result.name), r.rounded, r.result.unit);
    }

    // Every text written here is the system's own (names, units, band names) or a
    // number: none holds a quote or a backslash, so none needs escaping.
    void printJson(std::ostream& out, const TableResult& r)
    {
        out << "{\"table\": \"" << r.table << "\", \"inputs\": {";
        for (const calc::TableValue& input : r.inputs)
            out << (&input == &r.inputs.front() ? "" : ", ") << '"' << input.name
                << "\": " << calc::writeNumber(input.value);
        if (r.hydrometer)
            out << ", \"hydrometer\": \"" << hydrometerName(*r.hydrometer) << '"';
        out << "}, \"band\": \"" << r.band << "\", \"constants\": {";
        for (const calc::TableValue& constant : r.constants)
            out << (&constant == &r.constants.front() ? "" : ", ") << '"' << constant.name
                << "\": " << calc::writeNumber(constant.value);
        out << "}, \"alpha\": " << calc::writeNumber(r.alpha) << ", \"alpha_unit\": \""
            << r.alphaUnit << "\", \"result\": \"" << r.result.name << "\", \"unit\": \""
            << r.result.unit << "\", \"unrounded\": " << calc::writeNumber(r.result.value)
            << ", \"rounded\": " << r.rounded << ", \"iterations\": " << r.iterations << "}\n";
    }

    TableResult compute(const TableMode& mode, const TableRequest& request)
    {
        const bool byDensity = mode.quantity == Quantity::density;
        const double value = byDensity ? readInput("density", *request.density)
                                       : readInput("API gravity", *request.api);
        const double temperature = readInput("temperature", *request.temperature);
        if (!mode.fromReading)
            return mode.fromBase(value, temperature);
        const Hydrometer hydrometer
            = request.hydrometer.value_or("glass") == "none" ? Hydrometer::none : Hydrometer::glass;
        return mode.fromReading(value, temperature, hydrometer);
    }

} // namespace

TableStatus runTableMode(const TableRequest& request, std::ostream& out, std::ostream& err)
{
    const TableMode* mode = modeNamed(request.table);
    std::optional<std::string> problem;
    if (!mode)
        problem
            = "--table \"" + std::string(request.table) + "\": give " + std::string(kTableNames);
    else
        problem = usageProblem(*mode, request);
    if (problem) {
        err << kProgramName << ": " << messageText(*problem) << ". Try '" << kProgramName
            << " --help'\n";
        return TableStatus::usage;
    }
    std::optional<Rejection> rejection;
    try {
        const TableResult result = compute(*mode, request);
        if (request.json)
            printJson(out, result);
        else
            printText(out, result);
        return TableStatus::computed;
    } catch (const UnreadableInput& e) {
        rejection = Rejection { std::string(kCheckInput), e.what() };
    } catch (const calc::OutOfRange& e) {
        rejection = Rejection { std::string(kCheckInput), e.what() };
    } catch (const calc::Failure& e) {
        rejection = Rejection { "Table " + std::string(mode->name), e.what() };
    }
    reportRejection(err, *rejection);
    if (request.json)
        out << jsonReport(Outcome { rejection, {} });
    return TableStatus::rejected;
}

} // namespace corvald::cli
