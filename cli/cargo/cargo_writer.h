// The three forms of a cargo report. A writer is handed the tanks as they are
// computed and the totals at the end; it appends its text to `out`, which the
// caller writes out in blocks.
#pragma once

#include "cli/cargo/cargo_totals.h"

#include <memory>
#include <string>

namespace corvald::cli::cargo {

class CargoWriter {
public:
    virtual ~CargoWriter() = default;
    virtual void start(std::string& out) = 0;
    virtual void tank(const TankEntry& entry, const TankFigures& figures, std::string& out) = 0;
    virtual void leftOut(const LeftOut& row, std::string& out) = 0;
    virtual void end(const CargoTotals& totals, std::string& out) = 0;
};

// Aligned text for a page, grouped by grade; CSV, one row per tank and per
// total; one JSON object.
std::unique_ptr<CargoWriter> textWriter();
std::unique_ptr<CargoWriter> csvWriter();
std::unique_ptr<CargoWriter> jsonWriter();

// "incomplete: leaves out 3P (line 7), line 9": what a total is missing, or
// empty when it is complete.
std::string incompleteNote(const std::vector<const LeftOut*>& leftOut);
std::vector<const LeftOut*> allOf(const std::vector<LeftOut>& leftOut);

} // namespace corvald::cli::cargo
