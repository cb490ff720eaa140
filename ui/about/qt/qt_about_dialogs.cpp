#include "ui/about/qt/qt_about_dialogs.h"

#include "ui/about/qt/about_dialog.h"

#ifdef _WIN32
#include <QProcess>
#else
#include "ui/about/detached_launch.h"
#endif

namespace corvald::ui::about::qt {

QtAboutDialogs::QtAboutDialogs(SysInfoHost& sysInfo)
    : sysInfo_(sysInfo)
{
}

QtAboutDialogs::~QtAboutDialogs() { delete dialog_; }

void QtAboutDialogs::showAboutDialog()
{
    if (!dialog_)
        dialog_ = new AboutDialog(sysInfo_);
    dialog_->setWindowState(
        dialog_->windowState() & ~Qt::WindowMinimized); // a minimised one comes back
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

bool QtProgramLauncher::launch(const std::string& path)
{
#ifdef _WIN32
    return !path.empty() && QProcess::startDetached(QString::fromLocal8Bit(path), {});
#else
    return launchDetached(path); // the path's bytes as the registry gave them
#endif
}

} // namespace corvald::ui::about::qt
