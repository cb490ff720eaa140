#include "ui/main/about_item.h"

namespace corvald::ui {

void frmAboutItem_Click(AboutDialogs& about) { about.showAboutDialog(); }

} // namespace corvald::ui
