// File > Print: the window is put into its print dress (white backgrounds, no
// buttons, no borders on the value boxes, the pick lists replaced by plain
// labels with their texts), its picture is printed, and it is put back into its
// normal dress. Each property change and the printing itself is guarded on its
// own: a failure shows "Check printer"; the first failure of a command runs the
// failed change once more, later ones skip theirs.
#pragma once

#include "ui/main/form1.h"
#include "ui/main/host.h"

namespace corvald::ui {

void mnuPintItem_Click(Form1& form, MessageBoxes& messages, WindowPicturePrinter& printer);

} // namespace corvald::ui
