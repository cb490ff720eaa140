// An editable pick list whose text changes only when the operator types or
// picks an item. A closed list ignores the mouse wheel; the opened list shows
// the item equal to the typed text, or no item at all, so that Enter or a click
// elsewhere keeps the typed text instead of taking the first item. Up and Down
// (and Page Up, Page Down) in the closed list step from the item the typed text
// stands at, as one edit of the text that Ctrl+Z takes back.
#pragma once

#include "ui/main/form1_design.h"

#include <QComboBox>

namespace corvald::ui::qt {

class PickListBox : public QComboBox {
public:
    PickListBox(const PickListDesign& list, QWidget* parent);

    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PickListDesign list_;
    bool popupFilterInstalled_ = false;
};

} // namespace corvald::ui::qt
