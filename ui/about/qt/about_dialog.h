// The About dialog on Qt: modeless, without an owner, at its design size. It
// loads its texts when created (Form_Load) and is deleted when closed, so that
// the next Help > About loads it anew.
#pragma once

#include "ui/about/frm_about.h"
#include "ui/about/sys_info_host.h"

#include <QDialog>

class QPushButton;

namespace corvald::ui::about::qt {

class AboutDialog : public QDialog {
public:
    explicit AboutDialog(SysInfoHost& sysInfo);

    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createLabels();
    void createPicture();
    void createButtons();

    FrmAbout form_;
    SysInfoHost& sysInfo_;
};

} // namespace corvald::ui::about::qt
