#include "ui/about/frm_about.h"

#include "ui/about/frm_about_design.h"

namespace corvald::ui::about {

FrmAbout::FrmAbout()
    : Caption(kFrmAboutDesignCaption)
{
    for (const auto& design : kFrmAboutLabels)
        this->*design.caption = design.text;
    for (const auto& design : kFrmAboutButtons)
        this->*design.caption = design.text;
}

void Form_Load(FrmAbout& form)
{
    form.Caption = "About " + std::string(kApplicationName);
    form.lblVersion = "Version " + std::to_string(kVersionMajor) + "."
        + std::to_string(kVersionMinor) + "." + std::to_string(kVersionPatch);
    form.lblTitle = kApplicationName;
}

} // namespace corvald::ui::about
