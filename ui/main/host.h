// The host's window services that the commands call, one capability each.
// app/ passes the real ones; the tests pass fakes that record every call.
#pragma once

#include "ui/shared/about_dialogs.h"
#include "ui/shared/message_boxes.h"

namespace corvald::ui {

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

// The services the main window's commands use.
struct Form1Host {
    MessageBoxes& messages;
    ProgramLifetime& program;
    WindowPicturePrinter& printer;
    AboutDialogs& about;
};

} // namespace corvald::ui
