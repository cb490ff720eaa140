// Where the main window meets the About dialog: the Help menu shows it.
#pragma once

namespace corvald::ui {

// The About dialog: one instance for the whole run, created on first use and
// shown without blocking the main window; shown again, it only comes forward.
class AboutDialogs {
public:
    virtual ~AboutDialogs() = default;
    virtual void showAboutDialog() = 0;
};

} // namespace corvald::ui
