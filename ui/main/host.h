// The host's window services that the commands call, one capability each.
// app/ passes the real ones; the tests pass fakes that record every call.
#pragma once

#include <string_view>

namespace corvald::ui {

// A modal box with a prompt, a title and a single OK button, no icon; returns
// when the operator has dismissed it.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(std::string_view prompt, std::string_view title) = 0;
};

// Ends the program at once: every window closes and no handler runs after it.
class ProgramLifetime {
public:
    virtual ~ProgramLifetime() = default;
    virtual void endProgram() = 0;
};

// Prints the client area of the main window, as it is displayed at that moment,
// as one page on the default printer, without any dialog. Returns false when no
// printer is available or the printer reports an error.
class WindowPicturePrinter {
public:
    virtual ~WindowPicturePrinter() = default;
    virtual bool printWindowPicture() = 0;
};

// The About dialog: one instance for the whole run, created on first use and
// shown without blocking the main window; shown again, it only comes forward.
class AboutDialogs {
public:
    virtual ~AboutDialogs() = default;
    virtual void showAboutDialog() = 0;
};

// The services the main window's commands use.
struct Form1Host {
    MessageBoxes& messages;
    ProgramLifetime& program;
    WindowPicturePrinter& printer;
    AboutDialogs& about;
};

} // namespace corvald::ui
