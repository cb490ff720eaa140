// The calculation command: reads the quantity, temperature and density of the
// window, checks them, and writes the density in air, the V.C.F., the volume at
// 15 °C and the mass (or the observed volume), or shows one message box.
#pragma once

#include "ui/main/calculation_run.h"
#include "ui/main/form1.h"
#include "ui/main/host.h"

namespace corvald::ui {

// Runs the calculation on the window's inputs and writes its captions into the
// model, then shows the message that ended the run, if any.
void RunCalculation(Form1& form, MessageBoxes& messages, MessageSet set);

void Command3_Click(Form1& form, MessageBoxes& messages); // "CALCULATE"
void Option3_Click(Form1& form, MessageBoxes& messages); // "Vacuum"
void Option4_Click(Form1& form, MessageBoxes& messages); // "Air"
void mnuCalculateItem_Click(Form1& form, MessageBoxes& messages); // File > Calculate

} // namespace corvald::ui
