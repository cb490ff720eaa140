// CORVALD's start-up, as app/corvald.cpp, ending after the first frame.
#include "app/font_configuration_load.h"
#include "app/window_session.h"
#include "bench/first_frame.h"
#include "ui/main/qt/form1_view.h"

int main(int, char** argv)
{
    int qtArgc = 1;
    corvald::app::FontConfigurationLoad fonts;
    QApplication application(qtArgc, argv);
    fonts.wait();
    corvald::app::prepareApplication();
    corvald::app::WindowSession session;
    QuitAfterFirstFrame quit(&session.window().view());
    session.window().show();
    return QApplication::exec();
}
