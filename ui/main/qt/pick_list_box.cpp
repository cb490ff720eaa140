#include "ui/main/qt/pick_list_box.h"

#include "ui/main/pick_list_step.h"
#include "ui/shared/qt/qt_text.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace corvald::ui::qt {

namespace {

    bool isEnter(const QEvent* event)
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }

    // The step of a key that moves through the closed list, or 0.
    int stepOf(const QKeyEvent& event)
    {
        if (event.modifiers() & ~Qt::KeypadModifier)
            return 0;
        switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_PageUp:
            return -1;
        case Qt::Key_Down:
        case Qt::Key_PageDown:
            return 1;
        default:
            return 0;
        }
    }

} // namespace

PickListBox::PickListBox(const PickListDesign& list, QWidget* parent)
    : QComboBox(parent)
    , list_(list)
{
    setFocusPolicy(Qt::StrongFocus); // the wheel neither takes the focus nor a value
}

// A turn of the wheel over a closed list is no pick: it goes to the window.
void PickListBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

void PickListBox::keyPressEvent(QKeyEvent* event)
{
    const int step = stepOf(*event);
    if (step == 0 || !lineEdit()) {
        QComboBox::keyPressEvent(event);
        return;
    }
    const int item = steppedItem(list_, toStdString(currentText()), step);
    const QString text = toQString(list_.item(item));
    if (text != currentText()) {
        lineEdit()->selectAll();
        lineEdit()->insert(text);
    }
    event->accept();
}

void PickListBox::showPopup()
{
    QComboBox::showPopup();
    if (!popupFilterInstalled_) {
        // Installed after the popup's own filter, so it sees the keys first.
        view()->installEventFilter(this);
        popupFilterInstalled_ = true;
    }
    const int typedItem = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    view()->selectionModel()->clearSelection();
    view()->setCurrentIndex(typedItem >= 0 ? model()->index(typedItem, 0) : QModelIndex());
    if (typedItem >= 0)
        view()->scrollTo(view()->currentIndex(), QAbstractItemView::PositionAtCenter);
}

// Enter in the opened list with no item chosen closes it and keeps the text.
bool PickListBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && isEnter(event) && !view()->currentIndex().isValid()) {
        hidePopup();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace corvald::ui::qt
