#include "cli/outcome.h"

namespace corvald::cli {

namespace {

    ShownResult shown(std::string_view key, const ui::RowCaption& row, const std::string& caption)
    {
        return { key, row.caption, caption, row.unit, false };
    }

} // namespace

Outcome crudeOutcome(const WindowOutcome& window)
{
    if (window.rejection)
        return { window.rejection, {} };
    const WindowCaptions& r = window.results;
    Outcome outcome { std::nullopt,
        { shown("density_air", r.densityInAirRow, r.densityInAir),
            shown("vcf", r.factorRow, r.factor), shown("volume_15", r.volume15Row, r.volume15),
            shown("result", r.resultRow, r.result) } };
    outcome.results.back().unitInJson = true;
    return outcome;
}

} // namespace corvald::cli
