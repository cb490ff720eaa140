// The message box that both windows show, a host service.
#pragma once

#include <string_view>

namespace corvald::ui {

// The program's title, which a message box without a title of its own carries.
inline constexpr std::string_view kApplicationTitle = "Corvald";

// A modal box with a prompt, a title and a single OK button, no icon; returns
// when the operator has dismissed it.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(std::string_view prompt, std::string_view title) = 0;
};

} // namespace corvald::ui
