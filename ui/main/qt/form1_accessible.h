// The client area of the main window as screen readers find it: its controls,
// less the labels that only decorate the window or hold a value out of sight.
#pragma once

namespace corvald::ui::qt {

// Makes every Form1View answer the accessibility interfaces with its spoken
// controls only. Idempotent; call before the first view is shown.
void installSpokenForm1();

} // namespace corvald::ui::qt
