#include "ui/main/qt/qt_window_printer.h"

#include "ui/main/form1_design.h"
#include "ui/main/qt/printed_page.h"
#include "ui/main/qt/spooler.h"
#include "ui/shared/qt/program_files.h"

#include <QWidget>

#include <memory>

namespace corvald::ui::qt {

namespace {

    constexpr QSize kDesignSize(
        kForm1ClientWidth / kTwipsPerPixel, kForm1ClientHeight / kTwipsPerPixel);

} // namespace

QtWindowPrinter::QtWindowPrinter()
    : QtWindowPrinter(programFilePath(QStringLiteral(CORVALD_SPOOLER_MODULE)))
{
}

QtWindowPrinter::QtWindowPrinter(const QString& spoolerModule)
    : module_(spoolerModule)
{
}

bool QtWindowPrinter::printWindowPicture()
{
    if (!clientArea_)
        return false;
    if (!module_.isLoaded() && !module_.load()) {
        qWarning("the print module did not open: %s", qPrintable(module_.errorString()));
        return false;
    }
    const auto open = reinterpret_cast<OpenSpooler>(module_.resolve(kOpenSpoolerSymbol));
    if (!open) {
        qWarning("the print module has no entry point: %s", qPrintable(module_.errorString()));
        return false;
    }
    const std::unique_ptr<Spooler> spooler(open());
    if (!spooler->ready())
        return false;
    const QByteArray page = printedPage(*clientArea_, kDesignSize, spooler->paper());
    return spooler->submit("CORVALD", { page.constData(), std::size_t(page.size()) });
}

} // namespace corvald::ui::qt
