// File > Exit: ends the program at once, without a question; nothing is saved.
#pragma once

#include "ui/main/host.h"

namespace corvald::ui {

void mnuExitItem_Click(ProgramLifetime& program);

} // namespace corvald::ui
