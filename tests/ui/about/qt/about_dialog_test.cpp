// The About dialog's real widgets, and "System Info..." starting a real program.
#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_program_lifetime.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_window_printer.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/window_system.h"
#include "ui/about/desktop_registry.h"
#include "ui/about/frm_about_design.h"
#include "ui/about/host_file_system.h"
#include "ui/about/qt/qt_about_dialogs.h"
#include "ui/main/qt/main_window.h"
#include "ui/main/qt/qt_host.h"

#include <QAccessible>
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvald;
using ui::about::qt::AboutDialog;
using ui::about::qt::QtAboutDialogs;

class AboutDialogTest : public QObject {
    Q_OBJECT

private:
    fakes::FakeRegistry registry_;
    ui::about::HostFileSystem files_;
    ui::about::qt::QtProgramLauncher launcher_;
    fakes::FakeMessageBoxes messages_;
    ui::about::SysInfoHost sysInfo_ { registry_, files_, launcher_, messages_ };
    std::unique_ptr<QtAboutDialogs> about_;

    AboutDialog* open()
    {
        about_->showAboutDialog();
        AboutDialog* dialog = about_->dialog();
        if (dialog && !QTest::qWaitForWindowExposed(dialog))
            return nullptr;
        return dialog;
    }
    template <class T = QWidget> T* control(QWidget* dialog, const char* name)
    {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    // Waits until a closed dialog has been deleted.
    bool closed()
    {
        return QTest::qWaitFor([this] { return about_->dialog() == nullptr; }, 2000);
    }

    // Help > About on the desktop's registry, then "System Info..." with `path` as PATH.
    void pressSystemInfoWithPath(const QByteArray& path)
    {
        pressSystemInfoWithPath(path, messages_);
    }
    void pressSystemInfoWithPath(const QByteArray& path, ui::MessageBoxes& messages)
    {
        const QByteArray savedPath = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });
        qputenv("PATH", path);
        ui::about::DesktopRegistry registry;
        ui::about::SysInfoHost host { registry, files_, launcher_, messages };
        QtAboutDialogs about(host);
        about.showAboutDialog();
        QTest::mouseClick(
            about.dialog()->findChild<QPushButton*>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
    }

private slots:
    void init()
    {
        messages_.shown.clear();
        about_ = std::make_unique<QtAboutDialogs>(sysInfo_);
    }
    void cleanup() { about_.reset(); }

    void loadsCaptionAndVersion()
    {
        AboutDialog* dialog = open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("About CORVALD"));
        QCOMPARE(control<QLabel>(dialog, "lblVersion")->text(),
            QStringLiteral("Version " CORVALD_VERSION));
        QCOMPARE(control<QLabel>(dialog, "lblTitle")->text(), QStringLiteral("CORVALD"));
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->size(), QSize(362, 268));
        QCOMPARE(control(dialog, "picIcon")->geometry(), QRect(8, 40, 85, 109));
        QCOMPARE(control(dialog, "cmdOK")->geometry(), QRect(264, 191, 84, 23));
        QCOMPARE(QApplication::focusWidget(), control(dialog, "cmdOK"));
    }

    void fitsEveryTextIntoItsLabel()
    {
        AboutDialog* dialog = open();
        for (const auto& design : ui::about::kFrmAboutLabels) {
            const auto* label = control<QLabel>(dialog, design.name.data());
            const QRect needed = label->fontMetrics().boundingRect(label->rect(),
                label->alignment() | (design.wraps ? Qt::TextWordWrap : 0), label->text());
            QVERIFY2(label->rect().contains(needed), design.name.data());
        }
    }

    void opensOneDialogOnlyFromTwoHelpAbout()
    {
        AboutDialog* first = open();
        AboutDialog* second = open();
        QCOMPARE(first, second);
        int dialogs = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            dialogs += widget->objectName() == QStringLiteral("frmAbout") && widget->isVisible();
        QCOMPARE(dialogs, 1);
    }

    // Help > About on a minimised dialog brings that same dialog back, in front.
    void restoresAMinimisedDialog()
    {
        AboutDialog* dialog = open();
        QVERIFY(QTest::qWaitForWindowActive(dialog, fakes::kWindowSystemWaitMilliseconds));
        dialog->showMinimized();
        QVERIFY(QTest::qWaitFor([dialog] { return dialog->isMinimized(); }, 2000));
        QTest::qWait(500); // the window manager has taken the window off the screen
        about_->showAboutDialog();
        QCOMPARE(about_->dialog(), dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(!dialog->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(dialog, fakes::kWindowSystemWaitMilliseconds));
    }

    void leavesTheMainWindowUsable()
    {
        ui::Form1 form;
        fakes::FakeProgramLifetime program;
        fakes::FakeWindowPrinter printer(form);
        ui::Form1Host host { messages_, program, printer, *about_ };
        ui::qt::MainWindow window(form, host);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QAction*>(QStringLiteral("frmAboutItem"))->trigger();
        window.findChild<QAction*>(QStringLiteral("frmAboutItem"))->trigger();
        QVERIFY(about_->dialog() && about_->dialog()->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        form.Text1.Text = "1000";
        form.Combo1.Text = "20.0";
        form.Combo2.Text = "0.8500";
        QTest::mouseClick(
            window.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label14"))->text(),
            QStringLiteral("846.345"));
    }

    void closesOnOkEscapeAndEnter()
    {
        QTest::mouseClick(control(open(), "cmdOK"), Qt::LeftButton);
        QVERIFY(closed());
        QTest::keyClick(open(), Qt::Key_Escape);
        QVERIFY(closed());
        AboutDialog* dialog = open();
        QTest::keyClick(control(dialog, "lblVersion"), Qt::Key_Return);
        QVERIFY(closed());
        QVERIFY(messages_.shown.empty());
    }

    // OK stays the default button when the focus leaves it for the picture.
    void enterOnThePictureClosesTheDialog()
    {
        AboutDialog* dialog = open();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(dialog, "picIcon"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(closed());
        QVERIFY(messages_.shown.empty());
    }

    void loadsAnewAfterAClose()
    {
        AboutDialog* first = open();
        first->close();
        QVERIFY(closed());
        AboutDialog* second = open();
        QVERIFY(second);
        QCOMPARE(control<QLabel>(second, "lblVersion")->text(),
            QStringLiteral("Version " CORVALD_VERSION));
    }

    void enterOnSystemInfoPressesIt()
    {
        AboutDialog* dialog = open();
        QWidget* sysInfo = control(dialog, "cmdSysInfo");
        sysInfo->setFocus();
        QTest::keyClick(sysInfo, Qt::Key_Return);
        QCOMPARE(messages_.shown.size(), std::size_t(1));
        QCOMPARE(messages_.shown.front().prompt,
            std::string("System Information Is Unavailable At This Time"));
        QVERIFY(about_->dialog() && about_->dialog()->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(dialog, fakes::kWindowSystemWaitMilliseconds));
        QTest::keyClick(dialog->windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(messages_.shown.size(), std::size_t(2)); // the button animates its click
    }

    void tabsFromOkToThePictureToSystemInfo()
    {
        AboutDialog* dialog = open();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(dialog, "picIcon"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(dialog, "cmdSysInfo"));
    }

    // The picture takes the focus in turn, so a screen reader must have a name to say.
    void namesThePictureForScreenReaders()
    {
        AboutDialog* dialog = open();
        QAccessibleInterface* picture
            = QAccessible::queryAccessibleInterface(control(dialog, "picIcon"));
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Author"));
    }

    // The event loop runs on after the main window closes, until the dialog closes too.
    void keepsTheProgramRunningAfterTheMainWindowCloses()
    {
        QWidget mainWindow;
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        AboutDialog* dialog = open();
        bool runningAfterMainWindowClosed = false;
        bool timedOut = false;
        QTimer closeMain, closeDialog, giveUp;
        for (QTimer* timer : { &closeMain, &closeDialog, &giveUp })
            timer->setSingleShot(true);
        connect(&closeMain, &QTimer::timeout, [&] { mainWindow.close(); });
        connect(&closeDialog, &QTimer::timeout, [&] {
            runningAfterMainWindowClosed = !mainWindow.isVisible();
            dialog->close();
        });
        connect(&giveUp, &QTimer::timeout, [&] {
            timedOut = true;
            QCoreApplication::quit();
        });
        closeMain.start(50);
        closeDialog.start(200);
        giveUp.start(5000);
        QApplication::exec();
        QVERIFY(runningAfterMainWindowClosed);
        QVERIFY(!timedOut);
    }

    // A stub of the first listed tool, alone on PATH so that no tool installed on
    // the machine is started, writes its name and arguments when started.
    void startsTheSystemInformationToolFoundOnThePath()
    {
        QTemporaryDir tools;
        const QString mark = tools.filePath(QStringLiteral("started"));
        const QString stubPath = tools.filePath(QStringLiteral("hardinfo2"));
        QFile stub(stubPath);
        QVERIFY(stub.open(QIODevice::WriteOnly));
        stub.write(QStringLiteral("#!/bin/sh\necho \"$0 $#\" > '%1'\n").arg(mark).toUtf8());
        stub.close();
        stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        pressSystemInfoWithPath(tools.path().toLocal8Bit());
        QFile started(mark);
        QVERIFY(QTest::qWaitFor([&] { return started.size() > 0; }, 5000));
        QVERIFY(started.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(started.readAll()), stubPath + QStringLiteral(" 0\n"));
        QVERIFY(messages_.shown.empty());

        pressSystemInfoWithPath(tools.filePath(QStringLiteral("empty")).toLocal8Bit());
        QCOMPARE(messages_.shown.size(), std::size_t(1));
        QCOMPARE(messages_.shown.front().title, std::string("Corvald"));
    }

    // The operator's one message, in the real message box: titled with the
    // application's title, a single OK, no picture.
    void tellsInARealMessageBoxThatNoToolIsAvailable()
    {
        QTemporaryDir empty;
        ui::qt::QtMessageBoxes messages;
        fakes::MessageBoxWatcher boxes;
        pressSystemInfoWithPath(QFile::encodeName(empty.path()), messages);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen.front().prompt,
            QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(boxes.seen.front().title, QStringLiteral("Corvald"));
        QCOMPARE(boxes.seen.front().buttons, QStringList { QStringLiteral("OK") });
        QVERIFY(boxes.seen.front().withoutIcon);
    }

    // The tool's path goes from PATH to the launch as bytes: a folder whose name
    // is no valid text still has its tool started.
    void startsAToolInAFolderWhoseNameIsNoValidText()
    {
        QTemporaryDir tools;
        const QByteArray folder = QFile::encodeName(tools.path()) + "/tools-\xff\xfe";
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        const QString mark = tools.filePath(QStringLiteral("started"));
        const QByteArray stubPath = folder + "/hardinfo2";
        const QByteArray script = "#!/bin/sh\necho started > '" + mark.toUtf8() + "'\n";
        const int stub = ::open(stubPath.constData(), O_WRONLY | O_CREAT, 0700);
        QVERIFY(stub >= 0);
        QCOMPARE(::write(stub, script.constData(), std::size_t(script.size())), script.size());
        ::close(stub);
        pressSystemInfoWithPath(folder);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(mark).size() > 0; }, 5000));
        QVERIFY(messages_.shown.empty());
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
