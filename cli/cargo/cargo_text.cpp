#include "cli/cargo/cargo_writer.h"

#include "cli/cargo/tank_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <unordered_map>

namespace corvald::cli::cargo {

namespace {

    // How a column lines up: names to the left, figures to the right, typed
    // numbers of any decimals on their decimal point.
    enum class Align { left, right, point };

    struct ColumnSpec {
        std::string_view name, unit;
        Align align;
    };

    constexpr std::size_t kColumns = 14;
    constexpr std::array<ColumnSpec, kColumns> kSpecs = { {
        { "Tank", "", Align::left },
        { "TOV", "m3", Align::right },
        { "Water", "m3", Align::right },
        { "GOV", "m3", Align::right },
        { "Temp", "°C", Align::point },
        { "Density", "kg/l", Align::point },
        { "Table", "", Align::left },
        { "VCF", "", Align::right },
        { "GSV", "m3", Align::right },
        { "S&W", "%", Align::point },
        { "S&W", "m3", Align::right },
        { "NSV", "m3", Align::right },
        { "Vacuum", "t", Align::right },
        { "Air", "t", Align::right },
    } };

    using Cells = std::array<std::string, kColumns>;

    // The characters of a UTF-8 text, as a monospaced page lays them out.
    std::size_t widthOf(std::string_view text)
    {
        return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
            [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    }

    std::size_t beforePoint(std::string_view text)
    {
        return widthOf(text.substr(0, text.find('.')));
    }

    // The widest cell of each column and, for a typed number, its widest parts
    // before and from its decimal point.
    struct Widths {
        std::array<std::size_t, kColumns> widest {}, before {}, after {};

        void fit(const Cells& cells)
        {
            for (std::size_t c = 0; c < kColumns; ++c) {
                const std::size_t whole = beforePoint(cells[c]);
                before[c] = std::max(before[c], whole);
                after[c] = std::max(after[c], widthOf(cells[c]) - whole);
                widest[c] = std::max(widest[c], widthOf(cells[c]));
            }
        }

        std::size_t of(std::size_t c) const
        {
            return kSpecs[c].align == Align::point ? before[c] + after[c] : widest[c];
        }
    };

    // The places of each column on the page, and what a cell needs to take them.
    struct Page {
        Widths cells;
        std::array<std::size_t, kColumns> width {};

        // One line: each cell padded to its column, typed numbers moved right
        // until their points line up.
        std::string line(const Cells& row) const
        {
            std::string text;
            for (std::size_t c = 0; c < kColumns; ++c) {
                std::string cell = row[c];
                if (kSpecs[c].align == Align::point && !cell.empty())
                    cell.insert(
                        0, cells.before[c] - std::min(cells.before[c], beforePoint(cell)), ' ');
                const std::size_t pad = width[c] - std::min(width[c], widthOf(cell));
                if (c > 0)
                    text += c == 1 ? "  " : " ";
                if (kSpecs[c].align == Align::right)
                    text.append(pad, ' ');
                text += cell;
                if (kSpecs[c].align != Align::right)
                    text.append(pad, ' ');
            }
            text.erase(text.find_last_not_of(' ') + 1);
            return text + '\n';
        }
    };

    Cells headingOf(std::string_view ColumnSpec::*part)
    {
        Cells cells;
        for (std::size_t c = 0; c < kColumns; ++c)
            cells[c] = kSpecs[c].*part;
        return cells;
    }

    std::string figure(Wide value) { return shownFigure(value, kFigureDecimals); }

    Cells totalCells(std::string_view label, const Totals& t)
    {
        return { std::string(label), figure(t.tov), figure(t.freeWater), figure(t.gov), "", "", "",
            "", figure(t.gsv), "", figure(t.sw), figure(t.nsv), figure(t.massVacuum),
            figure(t.massAir) };
    }

    std::string plural(std::size_t n, std::string_view one)
    {
        return std::to_string(n) + " " + std::string(one) + (n == 1 ? "" : "s");
    }

    class TextWriter : public CargoWriter {
    public:
        void start(std::string&) override { }

        void tank(const TankEntry& e, const TankFigures& f, std::string&) override
        {
            const auto [at, added] = gradeIndex_.try_emplace(e.grade, tanks_.size());
            if (added)
                tanks_.emplace_back();
            tanks_[at->second].push_back(
                { e.tank, e.temperature, e.density, e.sw.empty() ? "0" : e.sw, f });
            const std::string used
                = std::string(f.table) + " (edition " + std::string(f.edition) + ")";
            if (std::find(tables_.begin(), tables_.end(), used) == tables_.end())
                tables_.push_back(used);
        }

        void leftOut(const LeftOut&, std::string&) override { }

        void end(const CargoTotals& totals, std::string& out) override;

    private:
        struct Stored {
            std::string tank, temperature, density, sw;
            TankFigures figures;
        };

        static Cells cellsOf(const Stored& s)
        {
            const TankFigures& f = s.figures;
            return { s.tank, figure(f.tov), figure(f.freeWater), figure(f.gov), s.temperature,
                s.density, std::string(f.table), shownFigure(f.vcf, f.vcfDecimals), figure(f.gsv),
                s.sw, figure(f.sw), figure(f.nsv), figure(f.massVacuum), figure(f.massAir) };
        }

        std::unordered_map<std::string, std::size_t> gradeIndex_;
        std::vector<std::vector<Stored>> tanks_; // in the order of CargoTotals::grades
        std::vector<std::string> tables_;
    };

    void TextWriter::end(const CargoTotals& totals, std::string& out)
    {
        const std::vector<GradeTotals> grades = totals.grades();
        const Cells names = headingOf(&ColumnSpec::name);
        const Cells units = headingOf(&ColumnSpec::unit);
        Page page;
        for (const auto& grade : tanks_)
            for (const Stored& s : grade)
                page.cells.fit(cellsOf(s));
        page.cells.fit(totalCells("Total", totals.cargo()));
        for (std::size_t c = 0; c < kColumns; ++c)
            page.width[c] = std::max({ page.cells.of(c), widthOf(names[c]), widthOf(units[c]) });

        out += "Cargo report at " + std::string(kReportBase);
        for (const std::string& used : tables_)
            out += (&used != &tables_.front()    ? ", "
                           : tables_.size() == 1 ? ": table "
                                                 : ": tables ")
                + used;
        out += "\n\n" + page.line(names) + page.line(units);
        const std::string rule(widthOf(page.line(names)) - 1, '-');
        for (const GradeTotals& g : grades) {
            out += "\nGrade " + (g.grade.empty() ? std::string("(none)") : g.grade) + ", "
                + plural(g.totals.tanks, "tank") + "\n";
            if (const auto at = gradeIndex_.find(g.grade); at != gradeIndex_.end())
                for (const Stored& s : tanks_[at->second])
                    out += page.line(cellsOf(s));
            out += rule + "\n" + page.line(totalCells("Total", g.totals));
            if (!g.leftOut.empty())
                out += "INCOMPLETE" + incompleteNote(g.leftOut).substr(10) + "\n";
        }
        const Totals& cargo = totals.cargo();
        out += "\nCargo, " + plural(cargo.tanks, "tank") + " in " + plural(grades.size(), "grade")
            + "\n" + rule + "\n" + page.line(totalCells("Total", cargo));
        if (totals.leftOut().empty())
            return;
        out += "INCOMPLETE" + incompleteNote(allOf(totals.leftOut())).substr(10) + "\n";
        out += "\nLeft out of the totals:\n";
        for (const LeftOut& row : totals.leftOut())
            out += "  line " + std::to_string(row.line)
                + (row.tank.empty() ? "" : ", tank " + row.tank) + ": " + row.reason + "\n";
    }

} // namespace

std::unique_ptr<CargoWriter> textWriter() { return std::make_unique<TextWriter>(); }

} // namespace corvald::cli::cargo
