#include "ui/main/qt/qt_window_printer.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace corvald::ui::qt {

namespace {

    // The picture fills the printable width up to this share of it, at the
    // window's proportions: twice its size on an A4 or Letter page.
    constexpr double kShareOfPrintableWidth = 1.0;

    // The picture is recorded as drawing commands, so that its texts stay texts on
    // the page. It shows no text cursor and no selection.
    QPicture pictureOf(QWidget& clientArea)
    {
        QWidget* focused = QApplication::focusWidget();
        if (focused && clientArea.isAncestorOf(focused))
            focused->clearFocus();
        else
            focused = nullptr;
        for (auto* edit : clientArea.findChildren<QLineEdit*>())
            edit->deselect();
        QPicture picture;
        clientArea.render(&picture, {}, {}, QWidget::DrawChildren | QWidget::DrawWindowBackground);
        if (focused)
            focused->setFocus();
        return picture;
    }

    bool render(QWidget& clientArea, QPrinter& printer)
    {
        const QPicture picture = pictureOf(clientArea);
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        const QRectF page = printer.pageRect(QPrinter::DevicePixel);
        // A picture is played back at the printer's resolution against its own.
        const double playback = double(printer.logicalDpiX()) / picture.logicalDpiX();
        const double scale = std::min(page.width() * kShareOfPrintableWidth / clientArea.width(),
                                 page.height() / clientArea.height())
            / playback;
        painter.scale(scale, scale);
        painter.drawPicture(0, 0, picture);
        return painter.end() && printer.printerState() != QPrinter::Error;
    }

} // namespace

bool QtWindowPrinter::printWindowPicture()
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!clientArea_ || defaultPrinter.isNull())
        return false;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return false;
    printer.setDocName(QStringLiteral("CORVALD"));
    return render(*clientArea_, printer);
}

} // namespace corvald::ui::qt
