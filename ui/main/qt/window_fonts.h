// The fonts of the main window. The design rectangles hold one caption line of
// 13 pixels; Liberation Sans Narrow at 11 pixels (Arial Narrow metrics) fits
// every design text into its rectangle. The raised "o" of the degree signs is
// "MS Serif" at 6 points, or the nearest serif face the host has.
#pragma once

#include <QFont>

namespace corvald::ui::qt {

QFont windowFont();
QFont degreeMarkFont();

} // namespace corvald::ui::qt
