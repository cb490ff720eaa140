// One print attempt against the host's print spooler (CUPS) and its default
// destination. Every wait on the spooler is bounded by the attempt's deadline,
// not by a bound per read, so that a stalled or trickling spooler fails the print
// within seconds; a document counts as taken only by the spooler's answer to the
// request that carried it.
#pragma once

#include "ui/main/qt/spooler.h"

#include <cups/cups.h>

#include <chrono>
#include <string>

namespace corvald::ui::qt {

class SpoolerConnection final : public Spooler {
public:
    // Connects to the spooler and looks up its default destination, starting the
    // attempt's deadline.
    SpoolerConnection();
    ~SpoolerConnection() override;
    SpoolerConnection(const SpoolerConnection&) = delete;
    SpoolerConnection& operator=(const SpoolerConnection&) = delete;

    bool ready() const override { return info_ != nullptr; }
    Paper paper() const override;
    bool submit(std::string_view title, std::span<const char> pdf) override;

private:
    using Clock = std::chrono::steady_clock;

    // Called whenever the spooler has been silent for a moment: waits on while
    // the deadline is ahead, else gives the request up.
    static int waitOn(http_t*, void* connection);
    void connect(Clock::duration limit);
    bool sendDocument(const std::string& name, int job, std::span<const char> pdf);
    bool watch(int job);
    int jobState(int job);
    void cancel(int job);

    http_t* http_ = nullptr;
    cups_dest_t* destination_ = nullptr;
    cups_dinfo_t* info_ = nullptr;
    Clock::time_point deadline_;
    bool gaveUp_ = false; // a wait on the spooler ran past the deadline
};

} // namespace corvald::ui::qt
