// Help > About: shows the About dialog.
#pragma once

#include "ui/main/host.h"

namespace corvald::ui {

void frmAboutItem_Click(AboutDialogs& about);

} // namespace corvald::ui
