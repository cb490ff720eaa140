#include "ui/about/frm_about_design.h"

namespace corvald::ui::about {

namespace {
    constexpr auto kCentred = TextAlignment::centred;
} // namespace

const std::array<AboutLabelDesign, 8> kFrmAboutLabels = { {
    { "Label3", &FrmAbout::Label3, "Author", { 120, 360, 1215, 255 }, false, kCentred, false },
    { "lblTitle", &FrmAbout::lblTitle, "CORVALD", { 2835, 600, 855, 195 }, true, kCentred, true },
    { "lblVersion", &FrmAbout::lblVersion, "Vertion:", { 2880, 840, 540, 195 }, true,
        TextAlignment::left, false },
    { "lblDescription", &FrmAbout::lblDescription, "All calculations in program based on Corvald-",
        { 1680, 1440, 3375, 195 }, false, kCentred, true },
    { "Label2", &FrmAbout::Label2,
        "GENERALIZED CRUIDE OILS CORRECTION OF VOLUME TO 15 C AGAINST DENSITY AT 15 C.",
        { 1560, 1800, 3645, 555 }, false, kCentred, false, true },
    { "lblDisclaimer", &FrmAbout::lblDisclaimer, "Contact point is:", { 1785, 3000, 1140, 195 },
        true, kCentred, true },
    // The contact line: no address has been published for CORVALD yet.
    { "Label1", &FrmAbout::Label1, "corvald@example.org", { 1515, 3240, 1665, 195 }, true, kCentred,
        false },
    { "Label4", &FrmAbout::Label4, "\"Copyright (C) 2026 the CORVALD developers\"",
        { 60, 3720, 4095, 195 }, true, kCentred, false },
} };

const std::array<AboutButtonDesign, 2> kFrmAboutButtons = { {
    { "cmdOK", &FrmAbout::cmdOK, "OK", { 3960, 2865, 1260, 345 } },
    { "cmdSysInfo", &FrmAbout::cmdSysInfo, "&System Info...", { 3960, 3315, 1245, 345 } },
} };

const std::array<LineDesign, 2> kFrmAboutRule = { {
    { 330, 2685, 5160, 2685, 128, 128, 128, 1 },
    { 345, 2700, 5160, 2700, 255, 255, 255, 2 },
} };

} // namespace corvald::ui::about
