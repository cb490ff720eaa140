#include "cli/table_output.h"

#include "calc/number_text.h"
#include "cli/report_line.h"

#include <cctype>
#include <ostream>
#include <string>

namespace corvald::cli {

namespace {

    using calc::tables::BaseChoice;
    using calc::tables::Hydrometer;
    using calc::tables::TableResult;
    using calc::tables::TableValue;

    std::string capitalized(std::string text)
    {
        if (!text.empty())
            text.front()
                = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
        return text;
    }

    void printValue(std::ostream& out, const TableValue& v)
    {
        printLine(out, capitalized(v.name), calc::writeNumber(v.value), v.unit);
    }

    std::string_view hydrometerName(Hydrometer h)
    {
        return h == Hydrometer::glass ? "glass" : "none";
    }

    std::string_view choiceName(BaseChoice choice)
    {
        switch (choice) {
        case BaseChoice::betweenBands:
            return "between bands";
        case BaseChoice::twoFit:
            return "two fit";
        case BaseChoice::oneFits:
            break;
        }
        return "one fits";
    }

    // What the text says of a base value chosen among the bands' answers.
    void printChoice(std::ostream& out, const TableResult& r)
    {
        if (r.choice == BaseChoice::oneFits)
            return;
        const bool between = r.choice == BaseChoice::betweenBands;
        printLine(out, "Band choice",
            between ? "no band's answer lies in its band: the one straying least was taken"
                    : "more than one band's answer lies in its band: the one nearest the "
                      "reading was taken",
            "");
        for (const TableValue& other : r.others)
            printLine(out, between ? "Other band" : "Also fits",
                other.name + " " + calc::fixedDecimals(other.value, r.decimals), other.unit);
    }

} // namespace

void printTableText(std::ostream& out, const TableResult& r)
{
    out << "Table " << r.table << ": " << r.title << '\n';
    for (const TableValue& input : r.inputs)
        printValue(out, input);
    if (r.hydrometer)
        printLine(out, "Hydrometer", std::string(hydrometerName(*r.hydrometer)), "");
    printLine(out, "Band", r.band, "");
    for (const TableValue& constant : r.constants)
        printValue(out, constant);
    printLine(out, "Alpha", calc::writeNumber(r.alpha), r.alphaUnit);
    if (r.iterations > 0)
        printLine(out, "Newton steps", std::to_string(r.iterations), "");
    printChoice(out, r);
    printLine(out, capitalized(r.result.name) + " unrounded", calc::writeNumber(r.result.value),
        r.result.unit);
    printLine(out, capitalized(r.result.name), r.rounded, r.result.unit);
}

// Every text written here is the system's own (names, units, band names) or a
// number: none holds a quote or a backslash, so none needs escaping.
void printTableJson(std::ostream& out, const TableResult& r)
{
    const auto members = [&out](const std::vector<TableValue>& values) {
        for (const TableValue& v : values)
            out << (&v == &values.front() ? "" : ", ") << '"' << v.name
                << "\": " << calc::writeNumber(v.value);
    };
    out << "{\"table\": \"" << r.table << "\", \"inputs\": {";
    members(r.inputs);
    if (r.hydrometer)
        out << ", \"hydrometer\": \"" << hydrometerName(*r.hydrometer) << '"';
    out << "}, \"band\": \"" << r.band << "\", \"constants\": {";
    members(r.constants);
    out << "}, \"alpha\": " << calc::writeNumber(r.alpha) << ", \"alpha_unit\": \"" << r.alphaUnit
        << "\", \"result\": \"" << r.result.name << "\", \"unit\": \"" << r.result.unit
        << "\", \"unrounded\": " << calc::writeNumber(r.result.value)
        << ", \"rounded\": " << r.rounded << ", \"decimals\": " << r.decimals
        << ", \"iterations\": " << r.iterations << ", \"band_choice\": \"" << choiceName(r.choice)
        << "\", \"other_bands\": {";
    members(r.others);
    out << "}}\n";
}

} // namespace corvald::cli
