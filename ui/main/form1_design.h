// The design of the main window: caption, client size, every control's design
// text and rectangle, the engraved rule, the menus and the focus order. The
// model takes its initial values from here and the Qt window its geometry.
// Geometry is in twips from the top-left corner of the client area.
#pragma once

#include "ui/main/form1.h"
#include "ui/main/host.h"
#include "ui/shared/design.h"

#include <array>
#include <string_view>

namespace corvald::ui {

inline constexpr std::string_view kForm1Caption = "CORVALD  Cruide Oils";
inline constexpr int kForm1ClientWidth = 5400;
inline constexpr int kForm1ClientHeight = 3690;

// A label fitting its caption sizes itself to the caption; the design rectangle
// holds its design text.
enum class Sizing { fitsCaption, designRect };
enum class Visibility { shown, hidden };

struct LabelDesign {
    std::string_view name;
    Label Form1::*control;
    std::string_view caption;
    Rect rect;
    Border border = Border::none;
    Sizing sizing = Sizing::fitsCaption;
    Visibility visibility = Visibility::shown;
};

struct TextDesign {
    std::string_view name;
    Rect rect;
};

// What a click on a button, an option button or a menu item runs.
using ClickHandler = void (*)(Form1& form, Form1Host& host);

// A pick list: its fixed items, index 0 first.
struct PickListDesign {
    int itemCount;
    std::string_view (*item)(int index);
};

struct ComboDesign {
    std::string_view name;
    ComboBox Form1::*control;
    Rect rect;
    PickListDesign list;
};

enum class Selection { selected, cleared };

struct OptionDesign {
    std::string_view name;
    OptionButton Form1::*control;
    std::string_view caption;
    Rect rect;
    Selection initially;
    ClickHandler click;
};

struct CommandDesign {
    std::string_view name;
    CommandButton Form1::*control;
    std::string_view caption;
    Rect rect;
    ClickHandler click;
};

struct MenuItemDesign {
    std::string_view name;
    std::string_view caption;
    ClickHandler click;
};

struct MenuDesign {
    std::string_view name;
    std::string_view caption;
    std::array<MenuItemDesign, 4> items;
    int itemCount;
};

extern const std::array<LabelDesign, 26> kForm1Labels;
extern const TextDesign kText1Design;
extern const std::array<ComboDesign, 2> kForm1Combos;
extern const std::array<OptionDesign, 2> kForm1Options;
extern const std::array<CommandDesign, 4> kForm1Commands;
extern const std::array<LineDesign, 2> kForm1Rule; // Line1(1), then Line1(0)
extern const std::array<MenuDesign, 3> kForm1Menus;
// The Tab order; the window opens with the focus on the first.
extern const std::array<std::string_view, 9> kForm1FocusOrder;

} // namespace corvald::ui
