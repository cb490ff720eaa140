#include "ui/main/qt/kept_selections.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace corvald::ui::qt {

namespace {

    // The end of the selection away from the caret; the caret itself when none.
    int anchorOf(const QLineEdit& edit)
    {
        if (!edit.hasSelectedText())
            return edit.cursorPosition();
        const int start = edit.selectionStart();
        return edit.cursorPosition() == start ? start + edit.selectionLength() : start;
    }

} // namespace

KeptSelections::KeptSelections(QWidget& area)
{
    for (auto* edit : area.findChildren<QLineEdit*>()) {
        fields_.push_back({ edit, anchorOf(*edit), edit->cursorPosition() });
        edit->deselect();
    }
    for (auto* label : area.findChildren<QLabel*>()) {
        if (!label->hasSelectedText())
            continue;
        values_.push_back(
            { label, label->selectionStart(), static_cast<int>(label->selectedText().size()) });
        label->setSelection(0, 0);
    }
}

KeptSelections::~KeptSelections() { restore(); }

void KeptSelections::restore()
{
    for (const Field& field : fields_)
        if (field.edit)
            field.edit->setSelection(field.anchor, field.caret - field.anchor);
    for (const Value& value : values_)
        if (value.label)
            value.label->setSelection(value.start, value.length);
    fields_.clear();
    values_.clear();
}

} // namespace corvald::ui::qt
