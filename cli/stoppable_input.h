// A batch's standard input read straight from its file descriptor: a read that
// a stop signal interrupts ends the input, where the standard streams would
// restart it and wait on a terminal or a pipe for as long as it stays silent.
#pragma once

#include <array>
#include <streambuf>

namespace corvald::cli {

class StoppableInput : public std::streambuf {
public:
    explicit StoppableInput(int descriptor);

protected:
    // Throws std::ios_base::failure, errno kept, when the read fails, as the
    // file streams do.
    int_type underflow() override;

private:
    int descriptor_;
    std::array<char, 1 << 16> block_ {};
};

} // namespace corvald::cli
