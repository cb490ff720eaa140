// The print spooler as the window sees it: the paper of its default destination
// and the submission of one PDF job. The spooler library (CUPS) lives in a module
// of its own, opened on the first Print, so that a start of the window that never
// prints loads none of it.
#pragma once

#include <span>
#include <string_view>

namespace corvald::ui::qt {

// One print attempt, from the connection to the spooler until it has taken the
// whole document, ends by this bound however slowly the spooler answers; a
// Print command makes two attempts.
inline constexpr double kPrintAttemptSeconds = 3.5;
// After a failed attempt, the job it created is cancelled within this bound.
inline constexpr double kCancelSeconds = 0.5;
// Once the spooler has taken the document, the job is watched for this long:
// a job that the spooler aborts or cancels by then is a failed print.
inline constexpr double kJobWatchSeconds = 1.5;

// A sheet of paper and its printable area, in millimetres.
struct Paper {
    double width;
    double length;
    double left;
    double top;
    double right;
    double bottom;
};

class Spooler {
public:
    virtual ~Spooler() = default;
    // Whether the spooler answered and has a default destination.
    virtual bool ready() const = 0;
    // The destination's default paper; ISO A4 without margins when it names none.
    virtual Paper paper() const = 0;
    // Submits one PDF document as a job; true only when the spooler has taken
    // the whole job and has not given it up while it was watched.
    virtual bool submit(std::string_view title, std::span<const char> pdf) = 0;
};

// The module's one entry point: connects to the spooler and looks up its default
// destination, starting the attempt's bound. The caller owns the result.
inline constexpr char kOpenSpoolerSymbol[] = "corvald_open_spooler";
using OpenSpooler = Spooler* (*)();

} // namespace corvald::ui::qt
