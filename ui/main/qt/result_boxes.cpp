#include "ui/main/qt/result_boxes.h"

#include "ui/main/qt/value_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace corvald::ui::qt {

namespace {

    bool isCopyKey(const QEvent* event)
    {
        return (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
            && static_cast<const QKeyEvent*>(event)->matches(QKeySequence::Copy);
    }

    void copy(const QLabel& box) { QGuiApplication::clipboard()->setText(wholeValue(box)); }

} // namespace

ResultBoxes::ResultBoxes(QWidget& area, std::vector<QLabel*> boxes)
    : QObject(&area)
    , boxes_(std::move(boxes))
{
    for (QLabel* box : boxes_) {
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
        box->setFocusPolicy(Qt::NoFocus);
    }
    area.installEventFilter(this);
    for (auto* control : area.findChildren<QWidget*>())
        control->installEventFilter(this);
    for (auto* button : area.findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::pressed, this, [this] { deselectAllBut(nullptr); });
    for (auto* field : area.findChildren<QLineEdit*>())
        connect(field, &QLineEdit::selectionChanged, this, [this, field] {
            if (field->hasSelectedText())
                deselectAllBut(nullptr);
        });
}

bool ResultBoxes::eventFilter(QObject* watched, QEvent* event)
{
    QLabel* box = boxOf(watched);
    if (event->type() == QEvent::MouseButtonPress)
        deselectAllBut(box ? box : boxUnder(watched, *static_cast<QMouseEvent*>(event)));
    if (box && event->type() == QEvent::ContextMenu) {
        showCopyMenu(*box, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (isCopyKey(event)) {
        if (QLabel* selected = selectedBox()) {
            if (event->type() == QEvent::KeyPress)
                copy(*selected);
            event->accept();
            return true;
        }
    }
    return false;
}

void ResultBoxes::deselectAllBut(const QLabel* kept)
{
    for (QLabel* box : boxes_)
        if (box != kept && box->hasSelectedText())
            box->setSelection(0, 0);
}

QLabel* ResultBoxes::boxOf(const QObject* watched) const
{
    const auto found = std::find(boxes_.begin(), boxes_.end(), watched);
    return found == boxes_.end() ? nullptr : *found;
}

// A press that a box leaves to the area (the right button's) still falls on the box.
QLabel* ResultBoxes::boxUnder(QObject* watched, const QMouseEvent& press) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget ? boxOf(widget->childAt(press.position().toPoint())) : nullptr;
}

QLabel* ResultBoxes::selectedBox() const
{
    const auto found = std::find_if(
        boxes_.begin(), boxes_.end(), [](const QLabel* box) { return box->hasSelectedText(); });
    return found == boxes_.end() ? nullptr : *found;
}

void ResultBoxes::showCopyMenu(QLabel& box, QPoint at)
{
    QMenu menu(&box);
    QAction* copyAction = menu.addAction(QStringLiteral("Copy"));
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(!wholeValue(box).isEmpty());
    connect(copyAction, &QAction::triggered, this, [&box] { copy(box); });
    menu.exec(at);
}

} // namespace corvald::ui::qt
