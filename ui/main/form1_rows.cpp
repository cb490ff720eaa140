#include "ui/main/form1_rows.h"

#include <algorithm>

namespace corvald::ui {

namespace {

    template <class Test> const RowDesign* findRow(Test test)
    {
        const auto* row = std::find_if(kForm1Rows.begin(), kForm1Rows.end(), test);
        return row == kForm1Rows.end() ? nullptr : row;
    }

} // namespace

bool isSpokenLabel(Label Form1::*label)
{
    return findRow([label](const RowDesign& row) {
        return row.caption == label || row.result == label || row.unit == label;
    });
}

bool isRowLabel(Label Form1::*label)
{
    return isSpokenLabel(label) || isDegreeMark(label) || rowWithDegreeLetter(label)
        || pickListOver(label);
}

const RowDesign* rowWithDegreeLetter(Label Form1::*label)
{
    return findRow([label](const RowDesign& row) { return row.degree.letter == label; });
}

bool isDegreeMark(Label Form1::*label)
{
    return findRow([label](const RowDesign& row) { return row.degree.mark == label; });
}

ComboBox Form1::*pickListOver(Label Form1::*label)
{
    const RowDesign* row = findRow([label](const RowDesign& r) { return r.holder == label; });
    return row ? row->pickList : nullptr;
}

} // namespace corvald::ui
