// The rows of the main window as the operator reads them: each input and each
// result once, with the labels that make it up. The view, the names a screen
// reader speaks, the print dress and the captions corvald-calc prints are all
// derived from this table.
#pragma once

#include "ui/main/form1.h"

#include <array>

namespace corvald::ui {

// Where a row draws its degree sign (a raised "o" and a "C").
enum class DegreePlace {
    none,
    afterCaption, // "Density (vac.)at 15 °C"
    asUnit, // the unit of the temperature
};

struct DegreeSign {
    DegreePlace place = DegreePlace::none;
    Label Form1::*mark = nullptr; // the raised "o"
    Label Form1::*letter = nullptr; // the "C"
};

// A row's value is exactly one of an edit box, a pick list or a result box.
struct RowDesign {
    Label Form1::*caption;
    TextBox Form1::*edit = nullptr;
    ComboBox Form1::*pickList = nullptr;
    Label Form1::*result = nullptr;
    Label Form1::*unit = nullptr;
    DegreeSign degree {};
    // A label under the pick list that holds its text for the printed page.
    Label Form1::*holder = nullptr;
};

inline constexpr RowDesign kQuantityRow {
    .caption = &Form1::Label1, .edit = &Form1::Text1, .unit = &Form1::Label7
};
inline constexpr RowDesign kTemperatureRow { .caption = &Form1::Label2,
    .pickList = &Form1::Combo1,
    .degree = { DegreePlace::asUnit, &Form1::Label17, &Form1::Label8 },
    .holder = &Form1::Label20 };
inline constexpr RowDesign kDensityRow { .caption = &Form1::Label3,
    .pickList = &Form1::Combo2,
    .unit = &Form1::Label9,
    .degree = { DegreePlace::afterCaption, &Form1::Label15, &Form1::Label16 },
    .holder = &Form1::Label21 };
inline constexpr RowDesign kDensityInAirRow { .caption = &Form1::Label24,
    .result = &Form1::Label23,
    .unit = &Form1::Label9,
    .degree = { DegreePlace::afterCaption, &Form1::Label25, &Form1::Label26 } };
inline constexpr RowDesign kFactorRow { .caption = &Form1::Label4, .result = &Form1::Label10 };
inline constexpr RowDesign kVolume15Row { .caption = &Form1::Label5,
    .result = &Form1::Label13,
    .unit = &Form1::Label11,
    .degree = { DegreePlace::afterCaption, &Form1::Label19, &Form1::Label18 } };
inline constexpr RowDesign kResultRow {
    .caption = &Form1::Label6, .result = &Form1::Label14, .unit = &Form1::Label12
};

// Top to bottom as the window shows them.
inline constexpr std::array kForm1Rows = { kQuantityRow, kTemperatureRow, kDensityRow,
    kDensityInAirRow, kFactorRow, kVolume15Row, kResultRow };

// Whether the label belongs to a row: caption, result, unit, degree sign or holder.
// The one label outside every row is the hidden density used.
bool isRowLabel(Label Form1::*label);

// Whether a screen reader speaks the label: the captions, results and units.
// The degree signs are spoken in the names of their rows; the holders lie under
// the pick lists.
bool isSpokenLabel(Label Form1::*label);

// The row whose degree sign has the label as its "C", if any.
const RowDesign* rowWithDegreeLetter(Label Form1::*label);

bool isDegreeMark(Label Form1::*label);

// The pick list that covers the label, if the label is a holder.
ComboBox Form1::*pickListOver(Label Form1::*label);

} // namespace corvald::ui
