// Ends the program right after a window's first frame has been painted, so that
// the run from process start to exit measures the start-up of that window.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QWidget>

class QuitAfterFirstFrame : public QObject {
public:
    explicit QuitAfterFirstFrame(QWidget* painted)
        : QObject(painted)
    {
        painted->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};
