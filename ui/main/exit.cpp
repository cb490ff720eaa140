#include "ui/main/exit.h"

namespace corvald::ui {

void mnuExitItem_Click(ProgramLifetime& program) { program.endProgram(); }

} // namespace corvald::ui
