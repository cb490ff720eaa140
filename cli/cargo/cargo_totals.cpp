#include "cli/cargo/cargo_totals.h"

namespace corvald::cli::cargo {

namespace {

    void addTo(Totals& totals, const TankFigures& f)
    {
        ++totals.tanks;
        totals.tov += f.tov;
        totals.freeWater += f.freeWater;
        totals.gov += f.gov;
        totals.gsv += f.gsv;
        totals.sw += f.sw;
        totals.nsv += f.nsv;
        totals.massVacuum += f.massVacuum;
        totals.massAir += f.massAir;
    }

} // namespace

GradeTotals& CargoTotals::grade(const std::string& name)
{
    const auto [at, added] = gradeIndex_.try_emplace(name, grades_.size());
    if (added)
        grades_.push_back({ name, {}, {} });
    return grades_[at->second];
}

void CargoTotals::add(const TankEntry& entry, const TankFigures& figures)
{
    addTo(grade(entry.grade).totals, figures);
    addTo(cargo_, figures);
}

void CargoTotals::leaveOut(LeftOut row)
{
    if (row.grade)
        grade(*row.grade);
    leftOut_.push_back(std::move(row));
}

std::optional<std::size_t> CargoTotals::earlierRow(
    const std::string& grade, const std::string& tank, std::size_t line)
{
    const auto [at, added] = firstRow_.try_emplace(grade + '\0' + tank, line);
    if (added)
        return std::nullopt;
    return at->second;
}

std::vector<GradeTotals> CargoTotals::grades() const
{
    std::vector<GradeTotals> grades = grades_;
    for (const LeftOut& row : leftOut_)
        for (GradeTotals& g : grades)
            if (!row.grade || *row.grade == g.grade)
                g.leftOut.push_back(&row);
    return grades;
}

} // namespace corvald::cli::cargo
