#include "ui/about/detached_launch.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvald::ui::about {

namespace {

    // Between fork and exec only async-signal-safe calls are made.
    [[noreturn]] void failAndExit(int report)
    {
        const int error = errno;
        [[maybe_unused]] const ssize_t written = ::write(report, &error, sizeof error);
        ::_exit(127);
    }

    // The intermediate process: a new session, the program in a grandchild, so
    // that the program is nobody's child here and never left as a zombie.
    [[noreturn]] void startGrandchild(char* const argv[], int report)
    {
        ::setsid();
        const pid_t program = ::fork();
        if (program < 0)
            failAndExit(report);
        if (program == 0) {
            ::execv(argv[0], argv);
            failAndExit(report);
        }
        ::_exit(0);
    }

} // namespace

bool launchDetached(const std::string& path)
{
    if (path.empty())
        return false;
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    char* const argv[] = { const_cast<char*>(path.c_str()), nullptr };
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        startGrandchild(argv, report[1]);
    }
    ::close(report[1]);
    if (child < 0) {
        ::close(report[0]);
        return false;
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) { }
    // The pipe closes without a word when exec succeeds; a failure writes its error.
    int error = 0;
    ssize_t got;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) { }
    ::close(report[0]);
    return got == 0;
}

} // namespace corvald::ui::about
