#include "cli/progress.h"

#include "cli/report.h"

#include <chrono>
#include <cmath>
#include <ostream>
#include <string_view>

namespace corvald::cli {

namespace {

    constexpr std::size_t kRowsBetweenLooks = 4096; // the clock is read once per so many rows
    constexpr double kSecondsBetweenLines = 0.5;
    constexpr std::string_view kClearToLineEnd = "\x1b[K"; // of a shorter line over a longer one

} // namespace

Progress::Progress(std::ostream* terminal, Clock clock)
    : terminal_(terminal)
    , clock_(std::move(clock))
{
    if (terminal_)
        start_ = shown_ = clock_();
}

double Progress::steadySeconds()
{
    const std::chrono::duration<double> since = std::chrono::steady_clock::now().time_since_epoch();
    return since.count();
}

void Progress::rowDone()
{
    ++rows_;
    if (!terminal_ || rows_ % kRowsBetweenLooks != 0)
        return;
    if (const double now = clock_(); now - shown_ >= kSecondsBetweenLines)
        show(now);
}

void Progress::finish()
{
    if (!terminal_)
        return;
    show(clock_());
    *terminal_ << '\n' << std::flush;
}

void Progress::show(double now)
{
    shown_ = now;
    const double seconds = now - start_;
    const double rate = seconds > 0 ? std::round(double(rows_) / seconds) : 0;
    *terminal_ << '\r' << kProgramName << ": " << rows_ << " rows, " << static_cast<long long>(rate)
               << " rows/s" << kClearToLineEnd << std::flush;
}

} // namespace corvald::cli
