// Stopping corvald-calc from outside: SIGINT (Ctrl-C), SIGTERM and SIGHUP are
// noted instead of ending the process at once, so that a batch finishes the row
// in hand and its reader never gets half a line.
#pragma once

#include <string_view>

namespace corvald::cli {

// Notes the stop signals from now on. Reads and writes are interrupted by them
// rather than restarted, so that a read waiting on a terminal ends too.
void catchStopSignals();

// The stop signal that came, or 0.
int stopSignal();

// "SIGINT", "SIGTERM" or "SIGHUP".
std::string_view stopSignalName(int signal);

// The exit status after a stop: 128 + the signal's number, as shells report a
// program that a signal ended (130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP).
int stoppedStatus(int signal);

} // namespace corvald::cli
