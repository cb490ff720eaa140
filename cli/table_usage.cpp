#include "cli/table_usage.h"

#include "calc/edition2004/input_ranges.h"
#include "calc/number_text.h"
#include "calc/tables/registry.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <string_view>

namespace corvald::cli {

namespace {

    using calc::tables::TableEntry;
    using calc::tables::TableKind;

    constexpr std::size_t kHeadingIndent = 19; // where a table's name begins
    constexpr std::size_t kIndent = 25; // where the description of a table begins
    constexpr std::size_t kWidth = 79;
    // Joins a number to its unit so that no line breaks between them.
    constexpr char kUnbroken = '\x1f';

    // text in words, wrapped to kWidth, every line after the first indented.
    std::string wrapped(std::string_view first, const std::string& text)
    {
        std::string out(first);
        out.resize(kIndent, ' ');
        std::size_t column = out.size();
        std::istringstream words(text);
        std::string word;
        bool lineStart = true;
        while (words >> word) {
            if (!lineStart && column + 1 + word.size() > kWidth) {
                out += '\n' + std::string(kIndent, ' ');
                column = kIndent;
                lineStart = true;
            }
            if (!lineStart) {
                out += ' ';
                ++column;
            }
            out += word;
            column += word.size();
            lineStart = false;
        }
        std::replace(out.begin(), out.end(), kUnbroken, ' ');
        return out + '\n';
    }

    std::string valueIn(double value, std::string_view unit)
    {
        return calc::writeNumber(value) + kUnbroken + std::string(unit);
    }

    std::string rangeOf(const calc::tables::TableRange& range)
    {
        return calc::writeNumber(range.lowest) + " to " + valueIn(range.highest, range.unit);
    }

    std::string resolutionOf(const calc::tables::TableSide& side)
    {
        if (side.unit.empty())
            return std::to_string(side.decimals) + " decimals";
        return calc::fixedDecimals(1 / std::pow(10.0, side.decimals), side.decimals) + kUnbroken
            + std::string(side.unit);
    }

    std::string limitsOf(const TableEntry& table)
    {
        if (table.limits.empty())
            return "";
        const std::string_view t = table.temperatures.unit;
        std::string text = "; T at most ";
        for (const calc::tables::TemperatureLimit& limit : table.limits) {
            text += valueIn(limit.highestTemperature, t);
            if (&limit == &table.limits.back())
                break;
            text += " up to " + valueIn(limit.upToBase, table.range.unit) + ", ";
        }
        return text + " above";
    }

    // A table of a special application takes its α60 beside the density.
    std::string givenAlpha(const calc::edition2004::Edition2004Table& t)
    {
        if (t.commodity != calc::edition2004::Commodity::specialApplications)
            return {};
        return " and --alpha, α60 " + calc::edition2004::alphaRangeText();
    }

    // A 2004 table takes its density in one of three forms on the °F scale, and a
    // gauge pressure beside the temperature.
    std::string described2004(const TableEntry& table)
    {
        const calc::edition2004::Edition2004Table& t = *table.edition2004;
        const bool fahrenheit = t.basis == calc::edition2004::TableBasis::fahrenheit60;
        const std::string options
            = fahrenheit ? "--api, --relative-density or --density" : "--density";
        const std::string base(table.base);
        const std::string at = " T " + std::string(table.temperatures.unit) + " and P "
            + (fahrenheit ? "psig" : "kPa");
        std::string text = std::string(table.edition) + " edition: ";
        if (table.kind == TableKind::reading)
            text += std::string(table.takes.quantity) + " at " + base + " from " + options
                + ", observed at" + at;
        else
            text += std::string(table.gives.quantity) + " to " + base + " for " + options + " at "
                + base + givenAlpha(t) + ", at" + at;
        text += " (" + std::string(table.product) + "); prints " + resolutionOf(table.gives)
            + "; density at 60 °F " + rangeOf(table.range) + ", T " + rangeOf(table.temperatures)
            + ", P " + calc::edition2004::pressureRangeText(t) + ".";
        return text;
    }

    std::string described(const TableEntry& table)
    {
        if (table.edition2004)
            return described2004(table);
        const std::string atBase
            = std::string(table.takes.quantity) + " at " + std::string(table.base);
        const std::string option = table.takes.unit == "°API" ? "--api" : "--density";
        const std::string t = " T " + std::string(table.temperatures.unit);
        std::string text = std::string(table.edition) + " edition: ";
        text += table.kind == TableKind::reading ? atBase + " from " + option + ", observed at" + t
                                                 : "V.C.F. to " + std::string(table.base) + " for "
                + option + " at " + std::string(table.base) + ", at" + t;
        text += " (" + std::string(table.product) + "), in " + std::string(table.takes.unit)
            + "; prints " + resolutionOf(table.gives) + "; " + atBase + " " + rangeOf(table.range)
            + ", T " + rangeOf(table.temperatures) + limitsOf(table) + ".";
        return text;
    }

} // namespace

std::string tableUsage()
{
    std::string text;
    std::set<std::string_view> sources;
    for (const TableEntry* table : calc::tables::allTables()) {
        text += wrapped(
            std::string(kHeadingIndent, ' ') + std::string(table->name), described(*table));
        sources.insert(table->range.source);
        sources.insert(table->temperatures.source);
    }
    std::string from = "the ranges and limits:";
    for (const std::string_view source : sources) {
        // Appended piece by piece: GCC 12 at -O3 misreads " " + std::string as overlapping.
        from += ' ';
        from += source;
        from += ';';
    }
    from.back() = '.';
    return text + wrapped(std::string(kHeadingIndent, ' ') + "From", from);
}

std::string tableNames(std::string_view edition)
{
    std::string names;
    for (const TableEntry* table : calc::tables::allTables()) {
        if (table->edition != edition)
            continue;
        if (!names.empty())
            names += ", ";
        names += table->name;
    }
    const std::size_t last = names.rfind(", ");
    return last == std::string::npos ? names : names.replace(last, 2, " or ");
}

} // namespace corvald::cli
