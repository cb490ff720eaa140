// The host's font configuration, read on a second core while Qt connects to the
// display.
#pragma once

#include <thread>

namespace corvald::app {

// Reading the font configuration (the list of every font file on the host) is
// the largest single step before the first frame, and Qt would do it on the
// first use of a font. Begun on a thread of its own before the application
// connects to the display, it is done, or nearly, by the time the window's face
// is added; wait() before that.
class FontConfigurationLoad {
public:
    FontConfigurationLoad();
    ~FontConfigurationLoad();
    FontConfigurationLoad(const FontConfigurationLoad&) = delete;
    FontConfigurationLoad& operator=(const FontConfigurationLoad&) = delete;

    void wait();

private:
    std::thread reading_;
};

} // namespace corvald::app
