// The main window with its real printer and real message boxes, shown, and the
// steps the print tests take with it: a calculation, File > Print, the window's
// picture before and after, and the "Check printer" boxes that came up.
#pragma once

#include "print_spooler_fixtures.h"
#include "tests/support/fake_about_dialogs.h"
#include "tests/support/fake_program_lifetime.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/window_system.h"
#include "ui/main/calculation.h"
#include "ui/main/direction.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/main_window.h"
#include "ui/main/qt/qt_host.h"
#include "ui/main/qt/qt_window_printer.h"
#include "ui/main/qt/spooler.h"

#include <QAction>
#include <QTest>

namespace corvald::printtest {

class PrintWindow {
public:
    // Printing through the print module installed with the program, or the one at that path.
    PrintWindow() { printer.setClientArea(&window.view()); }
    explicit PrintWindow(const QString& spoolerModule)
        : printer(spoolerModule)
    {
        printer.setClientArea(&window.view());
    }

    bool showActive()
    {
        window.show();
        return QTest::qWaitForWindowActive(&window, fakes::kWindowSystemWaitMilliseconds);
    }

    QWidget* control(const char* name) const
    {
        return window.findChild<QWidget*>(QString::fromLatin1(name));
    }

    // 1000 m3 at 20 °C, 0.8500 kg/l, or 850 t.
    void calculate(bool fromMass)
    {
        if (fromMass)
            ui::Command1_Click(form);
        form.Text1.Text = fromMass ? "850" : "1000";
        form.Combo1.Text = "20.0";
        form.Combo2.Text = "0.8500";
        ui::Command3_Click(form, messages);
        window.view().showModel();
    }

    void print() { window.findChild<QAction*>(QStringLiteral("mnuPintItem"))->trigger(); }

    // Prints and returns the PDF the spooler wrote, or empty.
    QString printedPdf()
    {
        const QStringList before = pdfsIn(outputFolder());
        print();
        return awaitPdf(outputFolder(), before);
    }

    QImage screen()
    {
        QTest::qWait(50);
        return window.grab().toImage();
    }

    // The window before and after Print, pixel for pixel, with the focus where it was.
    void printRestoresTheWindow(const QString& name)
    {
        calculate(false);
        control("Command3")->setFocus();
        const QImage before = screen();
        print();
        // The window has the focus back only once the window manager activates it
        // again after the last message box; until then its focus frame is not drawn.
        QVERIFY(QTest::qWaitForWindowActive(&window, fakes::kWindowSystemWaitMilliseconds));
        const QImage after = screen();
        keepPicture(before, name + QStringLiteral("-before"));
        keepPicture(after, name + QStringLiteral("-after"));
        QCOMPARE(window.focusWidget(), control("Command3"));
        QVERIFY2(after == before, "the window differs after Print");
    }

    void expectCheckPrinterMessages(std::size_t count) const
    {
        QCOMPARE(boxes.seen.size(), count);
        for (const fakes::SeenMessageBox& box : boxes.seen) {
            QCOMPARE(box.prompt, QStringLiteral("Check printer"));
            QCOMPARE(box.title, QStringLiteral("Priter Error"));
            QCOMPARE(box.buttons, QStringList { QStringLiteral("OK") });
            QVERIFY(box.withoutIcon);
        }
    }

    ui::Form1 form;
    ui::qt::QtMessageBoxes messages;
    fakes::MessageBoxWatcher boxes;
    ui::qt::QtWindowPrinter printer;

private:
    fakes::FakeProgramLifetime program_;
    fakes::FakeAboutDialogs about_;
    ui::Form1Host host_ { messages, program_, printer, about_ };

public:
    ui::qt::MainWindow window { form, host_ };
};

} // namespace corvald::printtest
