// An editable pick list whose text changes only when the operator types or
// picks an item. A closed list ignores the mouse wheel; the opened list shows
// the item equal to the typed text, or no item at all, so that Enter or a click
// elsewhere keeps the typed text instead of taking the first item.
#pragma once

#include <QComboBox>

namespace corvald::ui::qt {

class PickListBox : public QComboBox {
public:
    explicit PickListBox(QWidget* parent);

    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool popupFilterInstalled_ = false;
};

} // namespace corvald::ui::qt
