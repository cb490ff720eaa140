// What the running program holds: the model of the main window, the Qt host
// services and the window itself, built in that order and shown by app/.
#pragma once

#include "ui/main/form1.h"
#include "ui/main/qt/main_window.h"
#include "ui/main/qt/qt_host.h"
#include "ui/main/qt/qt_window_printer.h"

namespace corvald::ui::qt {

// Names the application ("Corvald", the title of a message box without one)
// and gives every window the program's icon and font. Call after creating the QApplication.
void prepareApplication();

class WindowSession {
public:
    WindowSession();
    MainWindow& window() { return window_; }

private:
    Form1 form_;
    QtMessageBoxes messages_;
    QtProgramLifetime program_;
    QtWindowPrinter printer_;
    Form1Host host_;
    MainWindow window_;
};

} // namespace corvald::ui::qt
