// The selections and carets of the texts in an area, taken off and put back:
// the fields' selections and caret positions, and the selections in the
// selectable values. While the object lives, nothing in the area shows as
// selected; at its end every text is selected as before, from the same end.
#pragma once

#include <QPointer>

#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace corvald::ui::qt {

class KeptSelections {
public:
    explicit KeptSelections(QWidget& area);
    ~KeptSelections();
    KeptSelections(const KeptSelections&) = delete;
    KeptSelections& operator=(const KeptSelections&) = delete;

    // Puts the selections back now; the end of the object then leaves all as it is.
    void restore();

private:
    struct Field {
        QPointer<QLineEdit> edit;
        int anchor;
        int caret;
    };
    struct Value {
        QPointer<QLabel> label;
        int start;
        int length;
    };

    std::vector<Field> fields_;
    std::vector<Value> values_;
};

} // namespace corvald::ui::qt
