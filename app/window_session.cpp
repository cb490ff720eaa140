#include "app/window_session.h"

#include "project_identity.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/window_icon.h"
#include "ui/shared/qt/qt_text.h"
#include "ui/shared/qt/window_fonts.h"

#ifdef _WIN32
#include "ui/about/windows_registry.h"
using HostRegistry = corvald::ui::about::WindowsRegistry;
#else
#include "ui/about/desktop_registry.h"
using HostRegistry = corvald::ui::about::DesktopRegistry;
#endif

#include <QApplication>

namespace corvald::app {

void prepareApplication()
{
    QApplication::setApplicationName(ui::qt::toQString(ui::kApplicationTitle));
    // The desktop entry's name: the Wayland app id, by which a dock finds the
    // entry and its icon (on X11 the entry's StartupWMClass names the class).
    QGuiApplication::setDesktopFileName(ui::qt::toQString(kApplicationId));
    QApplication::setWindowIcon(ui::qt::windowIcon());
    QApplication::setFont(ui::qt::windowFont()); // one face for the menus, windows and messages
}

WindowSession::WindowSession()
    : registry_(std::make_unique<HostRegistry>())
    , sysInfo_ { *registry_, files_, launcher_, messages_ }
    , about_(sysInfo_)
    , host_ { messages_, program_, printer_, about_ }
    , window_(form_, host_)
{
    printer_.setClientArea(&window_.view());
}

} // namespace corvald::app
