// The About dialog as a plain model: its caption and the texts of its labels
// and buttons, with the design values as initial values, and its design.
#pragma once

#include "ui/main/form1_design.h"

#include <array>
#include <string>
#include <string_view>

namespace corvald::ui::about {

// The application's own data, as its version information records it.
inline constexpr std::string_view kApplicationName = "CORVALD";
inline constexpr int kVersionMajor = CORVALD_VERSION_MAJOR;
inline constexpr int kVersionMinor = CORVALD_VERSION_MINOR;
inline constexpr int kVersionRevision = CORVALD_VERSION_PATCH;

struct FrmAbout {
    FrmAbout(); // every text as designed

    std::string Caption;
    std::string lblTitle, lblVersion, lblDescription, lblDisclaimer;
    std::string Label1, Label2, Label3, Label4;
    std::string cmdOK, cmdSysInfo;
};

// Runs each time the dialog is loaded, before it is first drawn.
void Form_Load(FrmAbout& form);

inline constexpr int kFrmAboutClientWidth = 5430;
inline constexpr int kFrmAboutClientHeight = 4020;

enum class TextAlignment { left, centred };

struct AboutLabelDesign {
    std::string_view name;
    std::string FrmAbout::*caption;
    std::string_view text;
    Rect rect;
    bool fit;
    TextAlignment alignment;
    bool black; // black text rather than the toolkit's text colour
    bool wraps = false;
};

struct AboutButtonDesign {
    std::string_view name;
    std::string FrmAbout::*caption;
    std::string_view text;
    Rect rect;
};

extern const std::array<AboutLabelDesign, 8> kFrmAboutLabels;
extern const std::array<AboutButtonDesign, 2> kFrmAboutButtons; // cmdOK, then cmdSysInfo
extern const std::array<LineDesign, 2> kFrmAboutRule; // Line1(1), then Line1(0)
// picIcon: the picture with a 2-pixel frame on each side.
inline constexpr Rect kPicIconRect { 120, 600, 1275, 1635 };
inline constexpr int kPicIconFramePixels = 2;
inline constexpr std::string_view kFrmAboutDesignCaption = "About CORVALD";
// The Tab order; the dialog opens with the focus on the first.
inline constexpr std::array<std::string_view, 3> kFrmAboutFocusOrder
    = { "cmdOK", "picIcon", "cmdSysInfo" };

} // namespace corvald::ui::about
