// The main window as a plain model: every control under its own name, with the
// design values as initial values. The commands read and write this model only;
// the Qt window mirrors it on the screen and feeds the operator's edits back.
#pragma once

#include "ui/main/controls.h"

namespace corvald::ui {

struct Form1 {
    Form1(); // every control as designed: inputs and results empty, "Vacuum", direction "m3"

    std::string Caption;
    SystemColor BackColor = SystemColor::buttonFace;

    TextBox Text1; // the quantity, in the unit of Label7
    ComboBox Combo1; // the observed temperature, °C
    ComboBox Combo2; // the density in vacuum at 15 °C, kg/litre
    OptionButton Option3; // "Vacuum"
    OptionButton Option4; // "Air"
    CommandButton Command1; // "mt to m3"
    CommandButton Command2; // "m3 to mt"
    CommandButton Command3; // "CALCULATE"
    CommandButton Command4; // "Clear"

    Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10;
    Label Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19;
    Label Label20, Label21, Label22, Label23, Label24, Label25, Label26;

    // Selects one option button of the density basis and clears the other.
    void choose(OptionButton Form1::*option);
};

} // namespace corvald::ui
