// Each input and result of the main window as a person reads it off the
// window: the caption of its row (with the degree sign the window draws beside
// it) and its unit, in the current direction. A screen reader speaks these, and
// corvald-calc prints them.
#pragma once

#include "ui/main/form1.h"
#include "ui/main/form1_rows.h"

#include <string>
#include <string_view>

namespace corvald::ui {

struct RowCaption {
    std::string caption;
    std::string unit; // empty where the row has none
};

RowCaption rowCaption(const Form1& form, const RowDesign& row);

// "caption (unit)", or the caption alone.
std::string spokenName(const RowCaption& row);

// A result as it is read out: "caption: value unit", or spokenName(row) while
// the result box is empty.
std::string spokenResult(const RowCaption& row, std::string_view value);

} // namespace corvald::ui
