#include "ui/main/qt/qt_window_printer.h"

#include "ui/main/form1_design.h"
#include "ui/main/qt/printed_page.h"
#include "ui/main/qt/spooler_connection.h"

#include <QWidget>

namespace corvald::ui::qt {

namespace {

    constexpr QSize kDesignSize(
        kForm1ClientWidth / kTwipsPerPixel, kForm1ClientHeight / kTwipsPerPixel);

} // namespace

bool QtWindowPrinter::printWindowPicture()
{
    if (!clientArea_)
        return false;
    SpoolerConnection spooler;
    if (!spooler.ready())
        return false;
    const QByteArray page = printedPage(*clientArea_, kDesignSize, spooler.paper());
    return spooler.submit("CORVALD", { page.constData(), std::size_t(page.size()) });
}

} // namespace corvald::ui::qt
