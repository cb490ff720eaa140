#include "ui/main/qt/qt_host.h"

#include "ui/shared/qt/dialog_frame.h"
#include "ui/shared/qt/qt_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace corvald::ui::qt {

namespace {

    // A window manager draws the title in a face of its own, commonly a bold
    // sans serif of about 10 points, beside its buttons (menu, minimise,
    // maximise, close); the box is made wide enough for both.
    constexpr int kTitleFontPoints = 10;
    constexpr int kTitleBarButtonsWidth = 4 * 24;

    int titleBarWidth(const QString& title)
    {
        QFont titleFont(QStringLiteral("Sans"), kTitleFontPoints, QFont::Bold);
        titleFont.setStyleHint(QFont::SansSerif);
        return QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarButtonsWidth;
    }

    // The box sizes itself to its layout's minimum: a spacer across the whole
    // grid holds it at least as wide as its title bar.
    void widenForTitle(QMessageBox& box)
    {
        auto* grid = qobject_cast<QGridLayout*>(box.layout());
        if (!grid)
            return;
        grid->addItem(new QSpacerItem(titleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum,
                          QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }

} // namespace

void QtMessageBoxes::show(std::string_view prompt, std::string_view title)
{
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(prompt), QMessageBox::Ok,
        QApplication::activeWindow());
    box.setWindowFlags(kDialogFrame);
    box.button(QMessageBox::Ok)->setIcon(QIcon()); // a prompt, a title and OK: no picture
    widenForTitle(box);
    box.exec();
}

void QtProgramLifetime::endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace corvald::ui::qt
