#include "ui/main/form1.h"

#include "ui/main/form1_design.h"

namespace corvald::ui {

Form1::Form1()
    : Caption(kForm1Caption)
{
    for (const auto& design : kForm1Labels) {
        Label& label = this->*design.control;
        label.Caption = design.caption;
        label.BorderStyle = design.border;
        label.Visible = design.visibility == Visibility::shown;
    }
    for (const auto& design : kForm1Options) {
        (this->*design.control).Caption = design.caption;
        (this->*design.control).Value = design.initially == Selection::selected;
    }
    for (const auto& design : kForm1Commands)
        (this->*design.control).Caption = design.caption;
}

void Form1::choose(OptionButton Form1::*option)
{
    Option3.Value = option == &Form1::Option3;
    Option4.Value = option == &Form1::Option4;
}

} // namespace corvald::ui
