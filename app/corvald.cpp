// The window: the application, the model, the host services and the window, shown.
#include "ui/main/qt/window_session.h"

#include <QApplication>

int main(int, char** argv)
{
    int qtArgc = 1; // the program reads no command line
    QApplication application(qtArgc, argv);
    corvald::ui::qt::prepareApplication();
    corvald::ui::qt::WindowSession session;
    session.window().show();
    return QApplication::exec();
}
