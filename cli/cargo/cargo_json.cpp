#include "calc/number_text.h"
#include "cli/cargo/cargo_writer.h"
#include "cli/json_text.h"

namespace corvald::cli::cargo {

namespace {

    void key(std::string& out, std::string_view name)
    {
        out += ", ";
        appendJsonString(out, name);
        out += ": ";
    }

    void text(std::string& out, std::string_view name, std::string_view value)
    {
        key(out, name);
        appendJsonString(out, value);
    }

    void figure(std::string& out, std::string_view name, Wide value, int decimals = kFigureDecimals)
    {
        key(out, name);
        out += plainFigure(value, decimals);
    }

    // A typed number as a JSON number: "+15.0" is written 15.
    void typed(std::string& out, std::string_view name, const std::string& value)
    {
        key(out, name);
        out += value.empty() ? "0" : calc::writeNumber(calc::readNumber(value));
    }

    void totals(std::string& out, const Totals& t, const std::vector<const LeftOut*>& leftOut)
    {
        out += "\"tanks\": " + std::to_string(t.tanks);
        key(out, "complete");
        out += leftOut.empty() ? "true" : "false";
        key(out, "left_out");
        out += '[';
        for (const LeftOut* row : leftOut) {
            out += row == leftOut.front() ? "{\"line\": " : ", {\"line\": ";
            out += std::to_string(row->line);
            text(out, "tank", row->tank);
            out += '}';
        }
        out += ']';
        figure(out, "tov", t.tov);
        figure(out, "free_water", t.freeWater);
        figure(out, "gov", t.gov);
        figure(out, "gsv", t.gsv);
        figure(out, "sw_volume", t.sw);
        figure(out, "nsv", t.nsv);
        figure(out, "mass_vacuum", t.massVacuum);
        figure(out, "mass_air", t.massAir);
    }

    class JsonWriter : public CargoWriter {
    public:
        void start(std::string& out) override { out += "{\"tanks\": ["; }

        void tank(const TankEntry& e, const TankFigures& f, std::string& out) override
        {
            out += first_ ? "\n" : ",\n";
            first_ = false;
            out += "{\"line\": " + std::to_string(e.line);
            text(out, "tank", e.tank);
            text(out, "grade", e.grade);
            text(out, "table", f.table);
            text(out, "edition", f.edition);
            figure(out, "tov", f.tov);
            figure(out, "free_water", f.freeWater);
            figure(out, "gov", f.gov);
            typed(out, "temperature", e.temperature);
            typed(out, "density", e.density);
            figure(out, "vcf", f.vcf, f.vcfDecimals);
            figure(out, "gsv", f.gsv);
            typed(out, "sw", e.sw);
            figure(out, "sw_volume", f.sw);
            figure(out, "nsv", f.nsv);
            figure(out, "mass_vacuum", f.massVacuum);
            figure(out, "mass_air", f.massAir);
            out += '}';
        }

        void leftOut(const LeftOut&, std::string&) override { }

        void end(const CargoTotals& all, std::string& out) override
        {
            out += "],\n\"left_out\": [";
            for (const LeftOut& row : all.leftOut()) {
                out += &row == &all.leftOut().front() ? "\n" : ",\n";
                out += "{\"line\": " + std::to_string(row.line);
                text(out, "tank", row.tank);
                key(out, "grade");
                if (row.grade)
                    appendJsonString(out, *row.grade);
                else
                    out += "null";
                text(out, "reason", row.reason);
                out += '}';
            }
            out += "],\n\"grades\": [";
            const std::vector<GradeTotals> grades = all.grades();
            for (const GradeTotals& g : grades) {
                out += &g == &grades.front() ? "\n{\"grade\": " : ",\n{\"grade\": ";
                appendJsonString(out, g.grade);
                out += ", ";
                totals(out, g.totals, g.leftOut);
                out += '}';
            }
            out += "],\n\"total\": {";
            totals(out, all.cargo(), allOf(all.leftOut()));
            out += "}}\n";
        }

    private:
        bool first_ = true;
    };

} // namespace

std::unique_ptr<CargoWriter> jsonWriter() { return std::make_unique<JsonWriter>(); }

} // namespace corvald::cli::cargo
