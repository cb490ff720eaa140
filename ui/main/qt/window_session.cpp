#include "ui/main/qt/window_session.h"

#include "ui/main/qt/window_fonts.h"
#include "ui/main/qt/window_icon.h"

#include <QApplication>

namespace corvald::ui::qt {

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Corvald"));
    QApplication::setWindowIcon(windowIcon());
    QApplication::setFont(windowFont()); // one face for the menus, the window and its messages
}

WindowSession::WindowSession()
    : host_ { messages_, program_ }
    , window_(form_, host_)
{
}

} // namespace corvald::ui::qt
