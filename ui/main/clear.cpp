#include "ui/main/clear.h"

namespace corvald::ui {

namespace {

    void clearInputsAndResults(Form1& form)
    {
        form.Text1.Text = "";
        form.Combo1.Text = "";
        form.Combo2.Text = "";
        form.Label10.Caption = "";
        form.Label13.Caption = "";
        form.Label14.Caption = "";
    }

} // namespace

void Command4_Click(Form1& form) { clearInputsAndResults(form); }
void mnuClearItem_Click(Form1& form) { clearInputsAndResults(form); }

} // namespace corvald::ui
