#include "ui/main/form1_design.h"

#include "ui/main/about_item.h"
#include "ui/main/calculation.h"
#include "ui/main/clear.h"
#include "ui/main/direction.h"
#include "ui/main/exit.h"
#include "ui/main/pick_lists.h"
#include "ui/main/print.h"

namespace corvald::ui {

namespace {
    constexpr auto kFramed = Border::fixedSingle;
    constexpr auto kDesignRect = Sizing::designRect;
} // namespace

const std::array<LabelDesign, 26> kForm1Labels = { {
    { "Label1", &Form1::Label1, kVolumeCaption, { 120, 240, 1845, 195 } },
    { "Label2", &Form1::Label2, "Temperature", { 120, 720, 900, 195 } },
    { "Label3", &Form1::Label3, "Density (vac.)at 15", { 120, 1200, 1335, 195 } },
    { "Label4", &Form1::Label4, "V.C.F.", { 120, 2280, 435, 195 } },
    { "Label5", &Form1::Label5, "Volume at 15 ", { 120, 2760, 975, 195 } },
    { "Label6", &Form1::Label6, kMassCaption, { 120, 3240, 540, 195 } },
    { "Label7", &Form1::Label7, kVolumeUnit, { 3240, 240, 210, 195 } },
    { "Label8", &Form1::Label8, "C", { 3360, 840, 105, 195 } },
    { "Label9", &Form1::Label9, "kg/lit", { 3240, 1200, 360, 195 } },
    { "Label10", &Form1::Label10, "", { 2160, 2160, 975, 375 }, kFramed, kDesignRect },
    { "Label11", &Form1::Label11, kVolumeUnit, { 3240, 2880, 210, 195 } },
    { "Label12", &Form1::Label12, kMassUnit, { 3240, 3360, 165, 195 } },
    { "Label13", &Form1::Label13, "", { 2160, 2640, 975, 375 }, kFramed, kDesignRect },
    { "Label14", &Form1::Label14, "", { 2160, 3120, 975, 375 }, kFramed, kDesignRect },
    { "Label15", &Form1::Label15, "o", { 1560, 1080, 75, 150 } },
    { "Label16", &Form1::Label16, "C", { 1680, 1200, 105, 195 } },
    { "Label17", &Form1::Label17, "o", { 3240, 720, 75, 150 } },
    { "Label18", &Form1::Label18, "C", { 1320, 2760, 105, 195 } },
    { "Label19", &Form1::Label19, "o", { 1200, 2640, 75, 150 } },
    { "Label20", &Form1::Label20, "Label20", { 2160, 720, 975, 255 }, Border::none, kDesignRect },
    { "Label21", &Form1::Label21, "Label21", { 2160, 1200, 975, 255 }, Border::none, kDesignRect },
    { "Label22", &Form1::Label22, "Label22", { 1440, 2280, 570, 195 }, Border::none,
        Sizing::fitsCaption, Visibility::hidden },
    { "Label23", &Form1::Label23, "", { 2160, 1680, 975, 375 }, kFramed, kDesignRect },
    { "Label24", &Form1::Label24, "Density (air)  at  15", { 120, 1800, 1320, 195 } },
    { "Label25", &Form1::Label25, "o", { 1560, 1680, 75, 150 } },
    { "Label26", &Form1::Label26, "C", { 1680, 1800, 105, 195 } },
} };

const TextDesign kText1Design = { "Text1", { 2160, 240, 975, 375 } };

const std::array<ComboDesign, 2> kForm1Combos = { {
    { "Combo1", &Form1::Combo1, { 2160, 720, 975, 315 },
        { kTemperatureItemCount, temperatureItem } },
    { "Combo2", &Form1::Combo2, { 2160, 1200, 975, 315 }, { kDensityItemCount, densityItem } },
} };

const std::array<OptionDesign, 2> kForm1Options = { {
    { "Option3", &Form1::Option3, "Vacuum", { 4080, 1560, 1095, 255 }, Selection::selected,
        [](Form1& form, Form1Host& host) { Option3_Click(form, host.messages); } },
    { "Option4", &Form1::Option4, "Air", { 4080, 2040, 1095, 195 }, Selection::cleared,
        [](Form1& form, Form1Host& host) { Option4_Click(form, host.messages); } },
} };

const std::array<CommandDesign, 4> kForm1Commands = { {
    { "Command1", &Form1::Command1, "mt to m3", { 4080, 240, 1095, 375 },
        [](Form1& form, Form1Host&) { Command1_Click(form); } },
    { "Command2", &Form1::Command2, "m3 to mt", { 4080, 720, 1095, 375 },
        [](Form1& form, Form1Host&) { Command2_Click(form); } },
    { "Command3", &Form1::Command3, "CALCULATE", { 4080, 2640, 1095, 375 },
        [](Form1& form, Form1Host& host) { Command3_Click(form, host.messages); } },
    { "Command4", &Form1::Command4, "Clear", { 4080, 3120, 1095, 375 },
        [](Form1& form, Form1Host&) { Command4_Click(form); } },
} };

const std::array<LineDesign, 2> kForm1Rule = { {
    { 0, 0, 5310, 0, 128, 128, 128, 1 },
    { 0, 15, 5310, 15, 255, 255, 255, 2 },
} };

const std::array<MenuDesign, 3> kForm1Menus = { {
    { "frmFile", "File",
        { { { "mnuCalculateItem", "Calculate",
                [](Form1& form, Form1Host& host) { mnuCalculateItem_Click(form, host.messages); } },
            { "mnuPintItem", "Print",
                [](Form1& form, Form1Host& host) {
                    mnuPintItem_Click(form, host.messages, host.printer);
                } },
            { "mnuClearItem", "Clear", [](Form1& form, Form1Host&) { mnuClearItem_Click(form); } },
            { "mnuExitItem", "Exit",
                [](Form1&, Form1Host& host) { mnuExitItem_Click(host.program); } } } },
        4 },
    { "frmConvert", "Convert",
        { { { "frmMttocmItem", "metric tonns to cubic meters",
                [](Form1& form, Form1Host&) { frmMttocmItem_Click(form); } },
            { "frmCmtomtItem", "cubic meters to metric tonnes",
                [](Form1& form, Form1Host&) { frmCmtomtItem_Click(form); } } } },
        2 },
    { "frmHelp", "Help",
        { { { "frmAboutItem", "About",
            [](Form1&, Form1Host& host) { frmAboutItem_Click(host.about); } } } },
        1 },
} };

const std::array<std::string_view, 9> kForm1FocusOrder = {
    "Command1",
    "Text1",
    "Combo1",
    "Combo2",
    "Command3",
    "Command2",
    "Command4",
    "Option3",
    "Option4",
};

} // namespace corvald::ui
