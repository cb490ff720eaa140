// The font of the main window. The design rectangles hold one caption line of
// 13 pixels; Liberation Sans Narrow at 11 pixels (Arial Narrow metrics) fits
// every design text into its rectangle. The program installs its own copy of the
// face, so the window looks the same on a host that lacks it.
#pragma once

#include <QFont>

namespace corvald::ui::qt {

QFont windowFont();

} // namespace corvald::ui::qt
