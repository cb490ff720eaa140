// The window: the application, the model, the host services and the window, shown.
#include "app/font_configuration_load.h"
#include "app/window_session.h"

#include <QApplication>

int main(int, char** argv)
{
    int qtArgc = 1; // the program reads no command line
    corvald::app::FontConfigurationLoad fonts;
    QApplication application(qtArgc, argv);
    fonts.wait();
    corvald::app::prepareApplication();
    corvald::app::WindowSession session;
    session.window().show();
    return QApplication::exec();
}
