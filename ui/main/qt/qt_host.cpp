#include "ui/main/qt/qt_host.h"

#include "ui/main/qt/qt_text.h"

#include <QApplication>
#include <QMessageBox>

namespace corvald::ui::qt {

void QtMessageBoxes::show(std::string_view prompt, std::string_view title)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(prompt), QMessageBox::Ok,
        QApplication::activeWindow());
    box.exec();
}

void QtProgramLifetime::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace corvald::ui::qt
