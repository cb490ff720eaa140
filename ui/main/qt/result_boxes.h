// The result boxes as the operator handles them: a value is selected with the
// mouse and copied, from its context menu ("Copy") or with Ctrl+C, whatever
// has the focus. The boxes take no focus, so the Tab order and the button that
// Enter presses stay as they are. A copy holds the whole value, also when the
// box shows it smaller or cut. One selection at a time: selecting in one box
// or in a field, a click anywhere else in the area and any button's press take
// the selection off the boxes, so that no highlight outlives the value it
// marked or suggests a copy that Ctrl+C would not make.
#pragma once

#include <QObject>

#include <vector>

class QLabel;
class QMouseEvent;
class QWidget;

namespace corvald::ui::qt {

class ResultBoxes : public QObject {
public:
    // Every control of `area` is watched; create it once they all exist.
    ResultBoxes(QWidget& area, std::vector<QLabel*> boxes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deselectAllBut(const QLabel* kept);
    QLabel* boxOf(const QObject* watched) const;
    QLabel* boxUnder(QObject* watched, const QMouseEvent& press) const;
    QLabel* selectedBox() const;
    void showCopyMenu(QLabel& box, QPoint at);

    std::vector<QLabel*> boxes_;
};

} // namespace corvald::ui::qt
