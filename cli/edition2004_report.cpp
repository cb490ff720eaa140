#include "cli/edition2004_report.h"

#include "calc/edition2004/input_ranges.h"
#include "calc/number_text.h"
#include "cli/report_line.h"

#include <ostream>
#include <string>
#include <string_view>

namespace corvald::cli {

namespace {

    namespace e2004 = calc::edition2004;
    using e2004::pressureUnit;
    using e2004::temperatureUnit;

    // The names and units of a density in its form: for the text, for JSON, and its
    // places when rounded.
    struct FormText {
        std::string_view caption, key, unit;
        int decimals;
    };

    FormText formText(e2004::DensityForm form)
    {
        if (form == e2004::DensityForm::api)
            return { "API gravity", "api", "°API", 1 };
        if (form == e2004::DensityForm::relativeDensity)
            return { "Relative density", "relative_density", "", 4 };
        return { "Density", "density", "kg/m3", 1 };
    }

    std::string_view baseName(const e2004::Edition2004Table& t)
    {
        return t.basis == e2004::TableBasis::celsius15 ? "at 15 °C"
            : t.basis == e2004::TableBasis::celsius20  ? "at 20 °C"
                                                       : "at 60 °F";
    }

    std::string number(double x) { return calc::writeNumber(x); }

    void figureLines(std::ostream& out, bool exact, std::string_view caption,
        const e2004::Figure& f, int decimals, std::string_view unit = {})
    {
        if (exact)
            printLine(out, std::string(caption) + " unrounded", number(f.unrounded), unit);
        printLine(out, caption, calc::fixedDecimals(f.rounded, decimals), unit);
    }

    void inputLines(std::ostream& out, const e2004::Edition2004Table& t,
        const e2004::TableRequest& r, std::string_view suffix)
    {
        const FormText form = formText(r.form);
        printLine(
            out, std::string(form.caption) + std::string(suffix), number(r.density), form.unit);
        printLine(
            out, "Temperature" + std::string(suffix), number(r.temperature), temperatureUnit(t));
        printLine(out, "Pressure" + std::string(suffix), number(r.pressure), pressureUnit(t));
    }

    void jsonFigure(std::ostream& out, std::string_view key, const e2004::Figure& f, int decimals)
    {
        out << ", \"" << key << "\": {\"unrounded\": " << number(f.unrounded)
            << ", \"rounded\": " << calc::fixedDecimals(f.rounded, decimals) << '}';
    }

    void jsonInputs(std::ostream& out, const e2004::Edition2004Table& t, std::string_view key,
        const e2004::TableRequest& r)
    {
        out << ", \"" << key << "\": {\"" << formText(r.form).key << "\": " << number(r.density)
            << ", \"temperature\": " << number(r.temperature)
            << ", \"pressure\": " << number(r.pressure);
        if (t.commodity == e2004::Commodity::specialApplications)
            out << ", \"alpha60\": " << number(r.alpha60);
        out << '}';
    }

} // namespace

void printEdition2004Text(std::ostream& out, const Edition2004Report& report)
{
    const e2004::Edition2004Table& t = report.table;
    const e2004::TableFigures& f = report.figures;
    const bool exact = report.given.exact;
    out << "Table " << t.name << ", 2004 edition: " << t.title << '\n';
    inputLines(out, t, report.given, "");
    if (!exact)
        inputLines(out, t, f.used, " rounded");
    printLine(out, "Group", f.group.name);
    printLine(out, "K0", number(f.group.k0));
    printLine(out, "K1", number(f.group.k1));
    printLine(out, "K2", number(f.group.k2));
    printLine(out, "Alpha60", number(f.alpha60), e2004::kAlphaUnit);
    if (f.steps > 0)
        printLine(out, "Iterations", std::to_string(f.steps));
    figureLines(out, exact, "CTL", f.ctl, 5);
    figureLines(out, exact, "Fp", f.fp, 3, "1E-05/psi");
    figureLines(out, exact, "CPL", f.cpl, 5);
    const FormText form = formText(f.used.form);
    const std::string base = std::string(form.caption) + " " + std::string(baseName(t));
    if (t.direction == e2004::TableDirection::toBase) {
        figureLines(out, exact, "CTPL", f.ctpl, 5);
        figureLines(out, exact, base, f.baseValue, form.decimals, form.unit);
        return;
    }
    figureLines(out, exact, base, f.baseValue, form.decimals, form.unit);
    figureLines(out, exact, "CTPL", f.ctpl, 5);
}

// Every text written here is the system's own (names, units, group names) or a number:
// none holds a quote or a backslash, so none needs escaping.
void printEdition2004Json(std::ostream& out, const Edition2004Report& report)
{
    const e2004::Edition2004Table& t = report.table;
    const e2004::TableFigures& f = report.figures;
    out << "{\"edition\": \"2004\", \"table\": \"" << t.name << "\", \"group\": \"" << f.group.name
        << "\", \"constants\": {\"K0\": " << number(f.group.k0)
        << ", \"K1\": " << number(f.group.k1) << ", \"K2\": " << number(f.group.k2) << '}'
        << ", \"exact\": " << (report.given.exact ? "true" : "false");
    jsonInputs(out, t, "inputs", report.given);
    jsonInputs(out, t, "inputs_used", f.used);
    out << ", \"temperature_unit\": \"" << temperatureUnit(t) << "\", \"pressure_unit\": \""
        << pressureUnit(t) << "\", \"base\": \"" << baseName(t) << '"'
        << ", \"density_60\": " << number(f.density60)
        << ", \"shifted_density\": " << number(f.shiftedDensity)
        << ", \"temperature_68\": " << number(f.temperature68)
        << ", \"alpha60\": " << number(f.alpha60);
    jsonFigure(out, "density_base", f.baseDensity, 1);
    const FormText form = formText(f.used.form);
    if (f.used.form != e2004::DensityForm::density)
        jsonFigure(out, std::string(form.key) + "_base", f.baseValue, form.decimals);
    jsonFigure(out, "ctl", f.ctl, 5);
    jsonFigure(out, "fp", f.fp, 3);
    jsonFigure(out, "cpl", f.cpl, 5);
    jsonFigure(out, "ctpl", f.ctpl, 5);
    out << ", \"iterations\": " << f.steps << "}\n";
}

} // namespace corvald::cli
