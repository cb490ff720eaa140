// The frame of the program's dialogs and message boxes: a title and a close
// box, neither minimise nor maximise. The window manager is told so through
// the window's hints, which a manager that honours them draws as said.
#pragma once

#include <QtCore/qnamespace.h>

namespace corvald::ui::qt {

// Qt passes the title and close box as hints only together with the customise flag.
inline constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace corvald::ui::qt
