// One conversation with the host's print spooler (CUPS) about its default
// destination: the paper it prints on and the submission of one PDF job.
// Every wait on the spooler is bounded, and once the spooler has stayed silent
// for a bound nothing more is asked of it, so that a stopped or stalled spooler
// fails the print within seconds instead of holding the window.
#pragma once

#include <cups/cups.h>

#include <span>
#include <string_view>

namespace corvald::ui::qt {

// The longest the spooler may take to accept the connection, and to answer
// or take any one part of a request.
inline constexpr int kSpoolerConnectMilliseconds = 3000;
inline constexpr double kSpoolerRequestSeconds = 3.0;

// A sheet of paper and its printable area, in millimetres.
struct Paper {
    double width;
    double length;
    double left;
    double top;
    double right;
    double bottom;
};

class SpoolerConnection {
public:
    // Connects to the spooler and looks up its default destination.
    SpoolerConnection();
    ~SpoolerConnection();
    SpoolerConnection(const SpoolerConnection&) = delete;
    SpoolerConnection& operator=(const SpoolerConnection&) = delete;

    // Whether the spooler answered and has a default destination.
    bool ready() const { return info_ != nullptr; }
    // The destination's default paper; ISO A4 without margins when it names none.
    Paper paper() const;
    // Submits one PDF document as a job; true only when the spooler has
    // accepted the whole job.
    bool submit(std::string_view title, std::span<const char> pdf);

private:
    http_t* http_ = nullptr;
    cups_dest_t* destination_ = nullptr;
    cups_dinfo_t* info_ = nullptr;
    bool silent_ = false; // the spooler let a request time out
};

} // namespace corvald::ui::qt
