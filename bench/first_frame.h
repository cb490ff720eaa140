// Ends the program right after a window's first frame has been painted, so that
// the run from process start to exit measures the start-up of that window. When
// the environment names a descriptor in FIRST_FRAME_FD (as startup_bench does),
// one byte written there marks the moment the first frame was on the screen.
#pragma once

#include <cstdlib>
#include <unistd.h>

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
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    if (const char* descriptor = std::getenv("FIRST_FRAME_FD")) {
                        const char shown = 1;
                        [[maybe_unused]] const auto written
                            = write(std::atoi(descriptor), &shown, 1);
                    }
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};
