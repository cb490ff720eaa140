// How the keyboard reaches the menus. The menus have no access keys, so Alt
// alone would only arm the menu bar, in some styles without any sign, and
// swallow the next key typed; some styles do not arm it at all. Alt alone is
// therefore left to the fields, and F10 opens the first menu under every
// style, from where the arrows reach every item.
#pragma once

class QMenuBar;

namespace corvald::ui::qt {

void reachMenusByF10(QMenuBar& bar);

} // namespace corvald::ui::qt
