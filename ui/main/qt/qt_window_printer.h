// Prints the client area of the main window as one page on the spooler's default
// destination, with no dialog. Fails, rather than falling back to a file or another
// printer, when the print module cannot be opened, the spooler cannot be reached
// within the attempt's bound, has no default destination, or does not print the job.
#pragma once

#include "ui/main/host.h"

#include <QLibrary>

class QWidget;

namespace corvald::ui::qt {

class QtWindowPrinter : public WindowPicturePrinter {
public:
    // Prints through the print module installed with the program.
    QtWindowPrinter();
    // Prints through the print module at that path.
    explicit QtWindowPrinter(const QString& spoolerModule);

    // The widget whose picture is printed: the window's client area.
    void setClientArea(QWidget* clientArea) { clientArea_ = clientArea; }
    bool printWindowPicture() override;

private:
    QWidget* clientArea_ = nullptr;
    QLibrary module_; // opened on the first print, and left open
};

} // namespace corvald::ui::qt
