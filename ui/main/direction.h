// The direction of conversion: the caption of Label7 ("mt": a mass is entered and
// the volume comes out; anything else: a volume is entered and the mass comes
// out), switched together with the captions of Label1, Label6 and Label12.
#pragma once

#include "ui/main/form1.h"

#include <string_view>

namespace corvald::ui {

// The caption and the unit of a volume and of a mass, as the window shows them.
inline constexpr std::string_view kVolumeCaption = "Volume at observed temp.";
inline constexpr std::string_view kMassCaption = "Tonnes";
inline constexpr std::string_view kMassUnit = "mt";
inline constexpr std::string_view kVolumeUnit = "m3";

bool isMassDirection(const Form1& form);

void Command1_Click(Form1& form); // "mt to m3": a mass is entered
void frmMttocmItem_Click(Form1& form); // Convert > metric tonns to cubic meters
void Command2_Click(Form1& form); // "m3 to mt": a volume is entered
void frmCmtomtItem_Click(Form1& form); // Convert > cubic meters to metric tonnes

} // namespace corvald::ui
