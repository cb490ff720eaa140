// The design of the About dialog: client size, every label and button with its
// design text and rectangle, the picture, the engraved rule and the Tab order.
// Geometry is in twips from the top-left corner of the client area.
#pragma once

#include "ui/about/frm_about.h"
#include "ui/shared/design.h"

#include <array>
#include <string_view>

namespace corvald::ui::about {

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
