#include "ui/about/qt/qt_about_dialogs.h"

#include "ui/about/qt/about_dialog.h"
#include "ui/shared/qt/qt_text.h"

#include <QProcess>

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
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

bool QtProgramLauncher::launch(const std::string& path)
{
    return !path.empty() && QProcess::startDetached(ui::qt::toQString(path), {});
}

} // namespace corvald::ui::about::qt
