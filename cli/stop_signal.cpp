#include "cli/stop_signal.h"

#include <csignal>

namespace corvald::cli {

namespace {

    constexpr int kSignalledStatusBase = 128; // POSIX shells: 128 + the signal's number

    volatile std::sig_atomic_t caught = 0;

    extern "C" void noteStop(int signal) { caught = signal; }

} // namespace

#ifdef _WIN32
void catchStopSignals()
{
    std::signal(SIGINT, noteStop);
    std::signal(SIGTERM, noteStop);
}
#else
void catchStopSignals()
{
    struct sigaction action { };
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a waiting read returns, and the reader sees the stop
    for (const int signal : { SIGINT, SIGTERM, SIGHUP })
        sigaction(signal, &action, nullptr);
}
#endif

int stopSignal() { return caught; }

std::string_view stopSignalName(int signal)
{
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    default:
        return "SIGHUP";
    }
}

int stoppedStatus(int signal) { return kSignalledStatusBase + signal; }

} // namespace corvald::cli
