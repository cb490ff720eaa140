// The totals of a cargo report: per grade and for the whole cargo, each the
// sum of its tanks' figures as shown, and the tanks that were left out of them.
#pragma once

#include "cli/cargo/tank_figures.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace corvald::cli::cargo {

// In thousandths of m3 and t.
struct Totals {
    std::size_t tanks = 0;
    Wide tov = 0, freeWater = 0, gov = 0, gsv = 0, sw = 0, nsv = 0, massVacuum = 0, massAir = 0;
};

// A row without figures. A row whose fields could not be read has no grade:
// every grade total may be missing it.
struct LeftOut {
    std::size_t line = 0;
    std::string tank;
    std::optional<std::string> grade;
    std::string reason;
};

struct GradeTotals {
    std::string grade;
    Totals totals;
    std::vector<const LeftOut*> leftOut; // into CargoTotals::leftOut
};

class CargoTotals {
public:
    // Adds the tank to its grade and to the cargo.
    void add(const TankEntry& entry, const TankFigures& figures);
    void leaveOut(LeftOut row);

    // The line of an earlier row with this tank in this grade, if there is one;
    // remembers the row as the first one otherwise.
    std::optional<std::size_t> earlierRow(
        const std::string& grade, const std::string& tank, std::size_t line);

    // In the order the grades first appear; the left-out rows of each assigned.
    std::vector<GradeTotals> grades() const;
    const Totals& cargo() const { return cargo_; }
    const std::vector<LeftOut>& leftOut() const { return leftOut_; }

private:
    GradeTotals& grade(const std::string& name);

    std::vector<GradeTotals> grades_;
    std::unordered_map<std::string, std::size_t> gradeIndex_;
    std::unordered_map<std::string, std::size_t> firstRow_; // grade, NUL, tank -> line
    Totals cargo_;
    std::vector<LeftOut> leftOut_;
};

} // namespace corvald::cli::cargo
