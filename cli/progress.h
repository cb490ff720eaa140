// The progress line of a batch on standard error: the rows done and the rows
// per second, rewritten in place about twice a second. Silent unless standard
// error is a terminal, so logs and pipelines never see it.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>

namespace corvald::cli {

class Progress {
public:
    using Clock = std::function<double()>; // seconds since some fixed moment

    // terminal: standard error when it is a terminal, otherwise null.
    explicit Progress(std::ostream* terminal, Clock clock = steadySeconds);

    void rowDone();
    void finish(); // the last figures, and the line ended

    static double steadySeconds();

private:
    void show(double now);

    std::ostream* terminal_;
    Clock clock_;
    double start_ = 0;
    double shown_ = 0;
    std::size_t rows_ = 0;
};

} // namespace corvald::cli
