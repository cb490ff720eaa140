// The icon of CORVALD's windows: one image for each size the desktop asks for.
#pragma once

#include <QIcon>

namespace corvald::ui::qt {

QIcon windowIcon();

} // namespace corvald::ui::qt
