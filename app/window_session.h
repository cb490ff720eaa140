// What the running program holds: the model of the main window, the host
// services of both windows, and the main window itself, built in that order.
#pragma once

#include "ui/about/host_file_system.h"
#include "ui/about/qt/qt_about_dialogs.h"
#include "ui/main/form1.h"
#include "ui/main/qt/main_window.h"
#include "ui/main/qt/qt_host.h"
#include "ui/main/qt/qt_window_printer.h"

#include <memory>

namespace corvald::app {

// Names the application (the title of a message box without one, and the X11
// window class) and its desktop entry, and gives every window the program's
// icon and font. Call after creating the QApplication.
void prepareApplication();

class WindowSession {
public:
    WindowSession();
    ui::qt::MainWindow& window() { return window_; }

private:
    ui::Form1 form_;
    ui::qt::QtMessageBoxes messages_;
    ui::qt::QtProgramLifetime program_;
    ui::qt::QtWindowPrinter printer_;
    std::unique_ptr<ui::about::Registry> registry_;
    ui::about::HostFileSystem files_;
    ui::about::qt::QtProgramLauncher launcher_;
    ui::about::SysInfoHost sysInfo_;
    ui::about::qt::QtAboutDialogs about_;
    ui::Form1Host host_;
    ui::qt::MainWindow window_;
};

} // namespace corvald::app
