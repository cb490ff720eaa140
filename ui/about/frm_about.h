// The About dialog as a plain model: its caption and the texts of its labels
// and buttons, with the design values as initial values.
#pragma once

#include "project_identity.h"

#include <string>
#include <string_view>

namespace corvald::ui::about {

// The application's own data, as its version information records it.
inline constexpr std::string_view kApplicationName = "CORVALD";

struct FrmAbout {
    FrmAbout(); // every text as designed

    std::string Caption;
    std::string lblTitle, lblVersion, lblDescription, lblDisclaimer;
    std::string Label1, Label2, Label3, Label4;
    std::string cmdOK, cmdSysInfo;
};

// Runs each time the dialog is loaded, before it is first drawn.
void Form_Load(FrmAbout& form);

} // namespace corvald::ui::about
