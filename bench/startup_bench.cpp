// Runs the two start-up programs alternately and prints the median time from
// process start to the first frame on the screen (the program writes a byte to
// the descriptor that FIRST_FRAME_FD names), the time to exit, the peak resident memory, and the
// ratios of the two.
// Usage: startup_bench WINDOW_PROGRAM BARE_PROGRAM [RUNS]
// The programs start on the platform that QT_QPA_PLATFORM names: offscreen, or
// xcb on an X server (Xvfb), where the window is mapped as on a desktop.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kWarmUpRuns = 3;
constexpr int kDefaultRuns = 21;
constexpr int kFrameShownDescriptor = 3; // FIRST_FRAME_FD in the programs' environment

struct Sample {
    double shownMilliseconds; // wall time from spawn to the first frame
    double milliseconds; // wall time from spawn to exit
    double cpuMilliseconds; // user and system time of the process
    long peakKilobytes;
};

double milliseconds(const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

bool runOnce(const char* program, Sample& sample)
{
    char* argv[] = { const_cast<char*>(program), nullptr };
    const auto start = std::chrono::steady_clock::now();
    int frameShown[2];
    if (pipe2(frameShown, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, frameShown[1], kFrameShownDescriptor);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(frameShown[1]);
    char byte = 0;
    const bool shown = spawned == 0 && read(frameShown[0], &byte, 1) == 1;
    const std::chrono::duration<double, std::milli> untilShown
        = std::chrono::steady_clock::now() - start;
    close(frameShown[0]);
    if (spawned != 0)
        return false;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0
        || !shown)
        return false;
    const std::chrono::duration<double, std::milli> elapsed
        = std::chrono::steady_clock::now() - start;
    sample = { untilShown.count(), elapsed.count(),
        milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss };
    return true;
}

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WINDOW_PROGRAM BARE_PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : kDefaultRuns;
    setenv("FIRST_FRAME_FD", std::to_string(kFrameShownDescriptor).c_str(), 1);
    std::vector<double> shownTimes[2];
    std::vector<double> times[2];
    std::vector<double> cpuTimes[2];
    std::vector<long> peaks[2];
    for (int run = -kWarmUpRuns; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            Sample sample {};
            if (!runOnce(argv[1 + which], sample)) {
                std::fprintf(stderr, "%s failed\n", argv[1 + which]);
                return 1;
            }
            if (run >= 0) {
                shownTimes[which].push_back(sample.shownMilliseconds);
                times[which].push_back(sample.milliseconds);
                cpuTimes[which].push_back(sample.cpuMilliseconds);
                peaks[which].push_back(sample.peakKilobytes);
            }
        }
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform        %s\n", platform ? platform : "(Qt's default)");
    const char* names[] = { "CORVALD window", "bare Qt window" };
    for (int which = 0; which < 2; ++which)
        std::printf("%-15s shown %6.1f ms   exit %6.1f ms (CPU %6.1f ms)   peak RSS %7ld KiB   "
                    "(%d runs)\n",
            names[which], median(shownTimes[which]), median(times[which]), median(cpuTimes[which]),
            median(peaks[which]), runs);
    std::printf("ratio           shown %.3f   exit %.3f (CPU %.3f)   memory %.3f\n",
        median(shownTimes[0]) / median(shownTimes[1]), median(times[0]) / median(times[1]),
        median(cpuTimes[0]) / median(cpuTimes[1]),
        double(median(peaks[0])) / double(median(peaks[1])));
    return 0;
}
