// The yardstick: a bare Qt main window with a menu bar and one label, ending after the first frame.
#include "bench/first_frame.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int, char** argv)
{
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    auto* label = new QLabel(QStringLiteral("Volume at observed temp."));
    window.setCentralWidget(label);
    window.resize(360, 266);
    QuitAfterFirstFrame quit(label);
    window.show();
    return QApplication::exec();
}
