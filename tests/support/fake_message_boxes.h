#pragma once

#include "ui/main/host.h"

#include <string>
#include <vector>

namespace corvald::fakes {

struct ShownMessage {
    std::string prompt;
    std::string title;
    bool operator==(const ShownMessage&) const = default;
};

// Records every message box; the operator dismisses each at once.
class FakeMessageBoxes : public ui::MessageBoxes {
public:
    void show(std::string_view prompt, std::string_view title) override
    {
        shown.push_back({ std::string(prompt), std::string(title) });
    }
    std::vector<ShownMessage> shown;
};

} // namespace corvald::fakes
