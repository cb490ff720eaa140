#include "ui/main/qt/window_session.h"

#include "ui/main/qt/form1_view.h"
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
    : host_ { messages_, program_, printer_ }
    , window_(form_, host_)
{
    printer_.setClientArea(&window_.view());
}

} // namespace corvald::ui::qt
