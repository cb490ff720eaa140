// What the view derives from the rows of the window: the buddies of the input
// captions, the selectable result boxes and the names a screen reader speaks.
#include "ui/main/qt/form1_view.h"

#include "ui/main/form1_rows.h"
#include "ui/main/qt/result_boxes.h"
#include "ui/main/qt/widget_updates.h"
#include "ui/main/row_captions.h"
#include "ui/shared/qt/qt_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace corvald::ui::qt {

QWidget* Form1View::inputOf(const RowDesign& row) const
{
    if (row.edit)
        return text1_;
    for (std::size_t i = 0; i < combos_.size(); ++i)
        if (kForm1Combos[i].control == row.pickList)
            return combos_[i];
    return nullptr;
}

// Each input is labelled by its row caption: a screen reader on Linux names an
// input by the label that has it as buddy.
void Form1View::labelInputs()
{
    for (const RowDesign& row : kForm1Rows)
        if (!row.result)
            label(row.caption)->setBuddy(inputOf(row));
}

// The operator can select a result with the mouse and copy it (ResultBoxes).
void Form1View::makeResultsSelectable()
{
    std::vector<QLabel*> boxes;
    for (const RowDesign& row : kForm1Rows)
        if (row.result)
            boxes.push_back(label(row.result));
    new ResultBoxes(*this, std::move(boxes));
}

bool Form1View::isSpoken(const QWidget* child) const
{
    for (std::size_t i = 0; i < labels_.size(); ++i)
        if (labels_[i] == child)
            return isSpokenLabel(kForm1Labels[i].control);
    return true;
}

// What a screen reader says of each input and result. An input is named by its
// row caption and unit, and so is the label that has it as buddy (screen readers
// on Linux name a pick list by that label); a result by its caption, value and
// unit. A caption label speaks the degree sign drawn beside it.
void Form1View::showSpokenNames()
{
    for (const RowDesign& row : kForm1Rows) {
        const RowCaption caption = rowCaption(form_, row);
        if (row.result) {
            setAccessibleNameIfChanged(label(row.caption), toQString(caption.caption));
            const std::string& whole = (form_.*row.result).Caption;
            setAccessibleNameIfChanged(label(row.result), toQString(spokenResult(caption, whole)));
            label(row.result)->setAccessibleDescription(toQString(whole));
            continue;
        }
        const QString name = toQString(spokenName(caption));
        QWidget* input = inputOf(row);
        setAccessibleNameIfChanged(input, name);
        setAccessibleNameIfChanged(label(row.caption), name);
        if (auto* combo = qobject_cast<QComboBox*>(input))
            setAccessibleNameIfChanged(combo->lineEdit(), name);
    }
}

} // namespace corvald::ui::qt
