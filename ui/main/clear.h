// Clear: empties the three inputs and the V.C.F., volume and result boxes. The
// direction, the density basis and the density in air stay as they are.
#pragma once

#include "ui/main/form1.h"

namespace corvald::ui {

void Command4_Click(Form1& form); // "Clear"
void mnuClearItem_Click(Form1& form); // File > Clear

} // namespace corvald::ui
