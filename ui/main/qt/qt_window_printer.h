// Prints the client area of the main window as one page on the default printer,
// with no dialog. Fails, rather than falling back to a file or another printer,
// when there is no default printer or the printer cannot print.
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
