// One calculation on a fresh main window, as an operator would make it: the
// quantity, temperature and density typed as texts, the direction and the
// density basis chosen, CALCULATE pressed. Used by the command-line companion.
#pragma once

#include "ui/main/calculation_run.h"
#include "ui/main/row_captions.h"

#include <optional>
#include <string>

namespace corvald::cli {

using ui::Basis;
using ui::Direction;

struct WindowInput {
    std::string quantity;
    std::string temperature;
    std::string density;
    Direction direction = Direction::volumeToMass;
    Basis basis = Basis::vacuum;
};

struct Rejection {
    std::string title;
    std::string prompt;
};

// The captions as the window shows them after the run, with the row captions
// and units of the current direction.
struct WindowCaptions {
    std::string densityInAir, factor, volume15, result;
    ui::RowCaption densityInAirRow, factorRow, volume15Row, resultRow;
};

struct WindowOutcome {
    std::optional<Rejection> rejection; // the message box, when the input was rejected
    WindowCaptions results;
};

WindowOutcome calculateOnFreshWindow(const WindowInput& input);

// The inputs of a run on a fresh window, for the calculation without the window.
ui::RunInputs freshWindowInputs(const WindowInput& input);

} // namespace corvald::cli
