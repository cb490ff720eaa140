#pragma once

#include "ui/main/host.h"

namespace corvald::fakes {

// Counts the requests to show the About dialog.
class FakeAboutDialogs : public ui::AboutDialogs {
public:
    void showAboutDialog() override { ++shown; }
    int shown = 0;
};

} // namespace corvald::fakes
