// CORVALD's start-up, as app/corvald.cpp, ending after the first frame.
#include "bench/first_frame.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/window_session.h"

int main(int, char** argv)
{
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    corvald::ui::qt::prepareApplication();
    corvald::ui::qt::WindowSession session;
    QuitAfterFirstFrame quit(&session.window().view());
    session.window().show();
    return QApplication::exec();
}
