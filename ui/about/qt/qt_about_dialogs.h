// Help > About on Qt: one dialog for the whole run, created when first shown
// and after each close; shown again while open, the same dialog comes forward.
#pragma once

#include "ui/about/qt/about_dialog.h"
#include "ui/about/sys_info_host.h"
#include "ui/shared/about_dialogs.h"

#include <QPointer>

namespace corvald::ui::about::qt {

class QtAboutDialogs : public AboutDialogs {
public:
    explicit QtAboutDialogs(SysInfoHost& sysInfo);
    ~QtAboutDialogs() override;
    void showAboutDialog() override;
    // The dialog while it is loaded, else null.
    AboutDialog* dialog() const { return dialog_; }

private:
    SysInfoHost& sysInfo_;
    QPointer<AboutDialog> dialog_;
};

// Starts a program directly, never through a shell, detached, without waiting.
class QtProgramLauncher : public ProgramLauncher {
public:
    bool launch(const std::string& path) override;
};

} // namespace corvald::ui::about::qt
