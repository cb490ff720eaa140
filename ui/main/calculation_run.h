// One run of the calculation command, from the texts of its inputs and the
// choices in force to every caption it writes and the message that ended it.
// The window's commands write what it returns into the model; corvald-calc's
// batch computes each row with it directly, without a window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvald::ui {

// File > Calculate words two of its messages differently from the buttons.
enum class MessageSet { standard, menu };

enum class Direction { volumeToMass, massToVolume };
enum class Basis { vacuum, air };

struct RunInputs {
    std::string_view quantity; // Text1
    std::string_view temperature; // Combo1
    std::string_view density; // Combo2
    // Label22 before the run: computed with again when the entered density is 0 or below.
    std::string_view previousDensityUsed;
    Direction direction = Direction::volumeToMass;
    Basis basis = Basis::vacuum;
    MessageSet messages = MessageSet::standard;
};

// What Label22 holds after the run.
enum class DensityUsed {
    previous, // its caption is left as it was
    entered, // the text of Combo2
    inAir, // the text of the density in air
};

// The title of the message box for an input the run rejects as out of range or
// unreadable; corvald-calc's other modes title their rejections so too.
inline constexpr std::string_view kCheckInput = "Check inputed value";

struct Message {
    std::string_view prompt;
    std::string_view title;
};

// The captions a run writes, in the order it writes them. A caption without a
// text keeps the text of the previous run. A run stopped by a message keeps
// what it wrote before: the raw 15-digit texts of the results already computed.
struct RunCaptions {
    std::optional<std::string> densityInAir; // Label23
    DensityUsed densityUsed = DensityUsed::previous; // Label22
    std::optional<std::string> factor; // Label10
    std::optional<std::string> volume15; // Label13
    std::optional<std::string> result; // Label14: the mass, or the observed volume
    std::optional<Message> message; // the message box that ended the run
};

RunCaptions calculationRun(const RunInputs& inputs);

} // namespace corvald::ui
