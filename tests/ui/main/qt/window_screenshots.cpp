// Saves pictures of the windows for a person to look at: the main window after
// calculating 1000 m3 at 20 °C and 0.8500 kg/l, in each direction, with a result
// too wide for its box at the usual size, and the About dialog.
// Run under an X server (xvfb-run); the first argument is the folder to write into.
#include "tests/support/fake_about_dialogs.h"
#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_program_lifetime.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_window_printer.h"
#include "ui/about/host_file_system.h"
#include "ui/about/qt/qt_about_dialogs.h"
#include "ui/main/calculation.h"
#include "ui/main/direction.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/main_window.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

namespace {

using namespace corvald;

bool save(QWidget& window, const QString& path)
{
    QTest::qWait(200);
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    ui::Form1 form;
    fakes::FakeMessageBoxes messages;
    fakes::FakeProgramLifetime program;
    fakes::FakeWindowPrinter printer(form);
    fakes::FakeAboutDialogs about;
    ui::Form1Host host { messages, program, printer, about };
    ui::qt::MainWindow window(form, host);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    form.Text1.Text = "1000";
    form.Combo1.Text = "20.0";
    form.Combo2.Text = "0.8500";
    ui::Command3_Click(form, messages);
    window.view().showModel();
    bool saved = save(window, folder.filePath(QStringLiteral("main-window.png")));

    form.Text1.Text = "123456789";
    ui::Command3_Click(form, messages);
    window.view().showModel();
    saved = save(window, folder.filePath(QStringLiteral("main-window-large.png"))) && saved;

    ui::Command1_Click(form);
    form.Text1.Text = "850";
    ui::Command3_Click(form, messages);
    window.view().showModel();
    saved = save(window, folder.filePath(QStringLiteral("main-window-mt.png"))) && saved;

    fakes::FakeRegistry registry;
    ui::about::HostFileSystem files;
    ui::about::qt::QtProgramLauncher launcher;
    ui::about::SysInfoHost sysInfo { registry, files, launcher, messages };
    ui::about::qt::QtAboutDialogs aboutDialogs(sysInfo);
    aboutDialogs.showAboutDialog();
    if (!QTest::qWaitForWindowExposed(aboutDialogs.dialog()))
        return 1;
    saved = save(*aboutDialogs.dialog(), folder.filePath(QStringLiteral("about-dialog.png")))
        && saved;
    return saved && messages.shown.empty() ? 0 : 1;
}
