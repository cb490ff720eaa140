#include "cli/cargo/cargo_writer.h"
#include "cli/csv_field.h"

#include <initializer_list>

namespace corvald::cli::cargo {

namespace {

    constexpr std::string_view kHeader
        = "record,line,grade,tank,table,edition,tov,free_water,gov,temperature,density,vcf,gsv,"
          "sw,sw_volume,nsv,mass_vacuum,mass_air,message\n";

    void fields(std::string& out, std::initializer_list<std::string_view> texts)
    {
        for (const std::string_view text : texts) {
            appendSpreadsheetSafe(out, text);
            out += ',';
        }
    }

    void totalRow(std::string& out, std::string_view record, std::string_view grade,
        const Totals& t, const std::string& note)
    {
        const auto v = [](Wide figure) { return plainFigure(figure, kFigureDecimals); };
        out += record;
        out += ",,";
        fields(out, { grade, "", "", "" });
        fields(out,
            { v(t.tov), v(t.freeWater), v(t.gov), "", "", "", v(t.gsv), "", v(t.sw), v(t.nsv),
                v(t.massVacuum), v(t.massAir) });
        appendCsvField(out, note);
        out += '\n';
    }

    class CsvWriter : public CargoWriter {
    public:
        void start(std::string& out) override { out += kHeader; }

        void tank(const TankEntry& e, const TankFigures& f, std::string& out) override
        {
            const auto v = [](Wide figure) { return plainFigure(figure, kFigureDecimals); };
            out += "tank," + std::to_string(e.line) + ',';
            fields(out,
                { e.grade, e.tank, f.table, f.edition, v(f.tov), v(f.freeWater), v(f.gov),
                    e.temperature, e.density, plainFigure(f.vcf, f.vcfDecimals), v(f.gsv),
                    e.sw.empty() ? "0" : e.sw, v(f.sw), v(f.nsv), v(f.massVacuum), v(f.massAir) });
            out += '\n';
        }

        void leftOut(const LeftOut& row, std::string& out) override
        {
            out += "left out," + std::to_string(row.line) + ',';
            fields(out, { row.grade.value_or(""), row.tank });
            out += ",,,,,,,,,,,,,,";
            appendCsvField(out, row.reason);
            out += '\n';
        }

        void end(const CargoTotals& totals, std::string& out) override
        {
            for (const GradeTotals& g : totals.grades())
                totalRow(out, "grade total", g.grade, g.totals, incompleteNote(g.leftOut));
            totalRow(
                out, "cargo total", "", totals.cargo(), incompleteNote(allOf(totals.leftOut())));
        }
    };

} // namespace

std::unique_ptr<CargoWriter> csvWriter() { return std::make_unique<CsvWriter>(); }

} // namespace corvald::cli::cargo
