// Prints the client area of the main window as one page on the spooler's default
// destination, with no dialog. Fails, rather than falling back to a file or another
// printer, when the spooler cannot be reached within its bounds, has no default
// destination, or does not accept the job.
#pragma once

#include "ui/main/host.h"

class QWidget;

namespace corvald::ui::qt {

class QtWindowPrinter : public WindowPicturePrinter {
public:
    // The widget whose picture is printed: the window's client area.
    void setClientArea(QWidget* clientArea) { clientArea_ = clientArea; }
    bool printWindowPicture() override;

private:
    QWidget* clientArea_ = nullptr;
};

} // namespace corvald::ui::qt
