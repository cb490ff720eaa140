// The printed page: a picture of the window's client area as one PDF page.
// The picture is the area's design rectangle, whatever size the window has at
// the moment, in dark text on white whatever the desktop's colours, scaled to
// the printable width of the paper at the window's own proportions.
#pragma once

#include "ui/main/qt/spooler.h"

#include <QByteArray>
#include <QSize>

class QWidget;

namespace corvald::ui::qt {

// The client area is left exactly as it was: size, colours and focus.
QByteArray printedPage(QWidget& clientArea, QSize designSize, const Paper& paper);

} // namespace corvald::ui::qt
