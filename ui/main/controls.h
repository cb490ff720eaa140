// The kinds of control on the window and the properties the commands read and
// write. A write takes effect at once; a read returns exactly what was written.
#pragma once

#include <cstdint>
#include <string>

namespace corvald::ui {

enum class Border { none, fixedSingle };

// Colours of the host's colour scheme, as the window's colour values.
enum class SystemColor : std::uint32_t {
    windowBackground = 0x80000009, // white in the usual scheme
    buttonFace = 0x8000000F, // the normal background of the window and its labels
};

struct Label {
    std::string Caption;
    Border BorderStyle = Border::none;
    SystemColor BackColor = SystemColor::buttonFace;
    bool Visible = true;
};

struct TextBox {
    std::string Text;
    Border BorderStyle = Border::fixedSingle;
    bool Visible = true;
};

// An edit field over a fixed drop-down list; the commands read only the edit field.
struct ComboBox {
    std::string Text;
    bool Visible = true;
};

struct OptionButton {
    std::string Caption;
    bool Value = false;
    SystemColor BackColor = SystemColor::buttonFace;
};

struct CommandButton {
    std::string Caption;
    bool Visible = true;
};

} // namespace corvald::ui
