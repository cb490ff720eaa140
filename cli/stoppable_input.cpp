#include "cli/stoppable_input.h"

#include "cli/stop_signal.h"

#include <cerrno>
#include <ios>
#include <unistd.h>

namespace corvald::cli {

StoppableInput::StoppableInput(int descriptor)
    : descriptor_(descriptor)
{
}

StoppableInput::int_type StoppableInput::underflow()
{
    for (;;) {
        const ssize_t got = ::read(descriptor_, block_.data(), block_.size());
        if (got > 0) {
            setg(block_.data(), block_.data(), block_.data() + got);
            return traits_type::to_int_type(block_.front());
        }
        if (got == 0 || (errno == EINTR && stopSignal() != 0))
            return traits_type::eof();
        if (errno != EINTR) {
            const int cause = errno;
            std::ios_base::failure failure("read error");
            errno = cause;
            throw failure;
        }
    }
}

} // namespace corvald::cli
