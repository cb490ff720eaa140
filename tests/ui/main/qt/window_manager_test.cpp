// The main window under a real window manager, where the focus and the frames
// of message boxes are the window system's: Tab and Shift+Tab from every stop,
// the option group entered on the choice in force, and message boxes that show
// their prompt, their whole title and a plain OK. The menus under the keyboard
// and the mouse: Alt alone takes no typed digit, F10 reaches every item, and a
// menu leaves the quantity's caret and selection as they were. Dialogs ask the
// window manager for a close box only.
#include "tests/support/window_system.h"
#include "tests/ui/main/qt/window_fixture.h"

#include "tests/support/fake_registry.h"
#include "ui/about/host_file_system.h"
#include "ui/about/qt/about_dialog.h"
#include "ui/about/qt/qt_about_dialogs.h"
#include "ui/main/qt/qt_host.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace corvald;

namespace {

// The stops in the window's Tab order; the option group is one stop, on its choice.
constexpr const char* kStops[]
    = { "Command1", "Text1", "Combo1", "Combo2", "Command3", "Command2", "Command4", "Option3" };
constexpr std::size_t kStopCount = std::size(kStops);

struct ShownBox {
    QString prompt, title;
    int buttons = -1;
    bool okHasIcon = true;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int width = 0;
    QList<qulonglong> frameHints;
};

// The frame a window asks for, as _MOTIF_WM_HINTS: flags, functions, decorations.
QList<qulonglong> frameHintsOf(const QWidget& window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
        { QStringLiteral("-id"), QString::number(window.winId()),
            QStringLiteral("_MOTIF_WM_HINTS") });
    xprop.waitForFinished();
    const QString said = QString::fromLatin1(xprop.readAllStandardOutput());
    QList<qulonglong> hints;
    for (const QString& field : said.section(QLatin1Char('='), 1).split(QLatin1Char(',')))
        hints << field.trimmed().toULongLong(nullptr, 16);
    return hints;
}

// Functions and decorations, where given, allow a close box but neither minimise nor maximise.
bool asksForACloseBoxOnly(const QList<qulonglong>& hints)
{
    constexpr qulonglong kFunctionsGiven = 1, kDecorationsGiven = 2;
    constexpr qulonglong kAllFunctions = 1, kMinimise = 8, kMaximise = 16, kClose = 32;
    constexpr qulonglong kAllDecorations = 1, kMinimiseBox = 32, kMaximiseBox = 64;
    if (hints.size() < 3 || !(hints[0] & (kFunctionsGiven | kDecorationsGiven)))
        return false;
    const bool functions = !(hints[0] & kFunctionsGiven)
        || ((hints[1] & kClose) && !(hints[1] & (kAllFunctions | kMinimise | kMaximise)));
    const bool decorations = !(hints[0] & kDecorationsGiven)
        || !(hints[2] & (kAllDecorations | kMinimiseBox | kMaximiseBox));
    return functions && decorations;
}

ShownBox inspectModalBox()
{
    ShownBox seen;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return seen;
    seen.prompt = box->text();
    seen.title = box->windowTitle();
    seen.buttons = static_cast<int>(box->buttons().size());
    seen.okHasIcon = !box->buttons().isEmpty() && !box->buttons().front()->icon().isNull();
    seen.icon = box->icon();
    seen.width = box->width();
    seen.frameHints = frameHintsOf(*box);
    box->button(QMessageBox::Ok)->click();
    return seen;
}

} // namespace

class WindowManagerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fakes::WindowFixture> window_;

    QWidget* stop(std::size_t index) const { return window_->control(kStops[index % kStopCount]); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QMenu* openedMenu() const { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    // Text1 holding "1000" with "00" selected from the right, the caret after "10".
    QLineEdit* quantityWithASelection()
    {
        QLineEdit* quantity = window_->quantity();
        quantity->setFocus(Qt::OtherFocusReason);
        if (!QTest::qWaitFor([quantity] { return QApplication::focusWidget() == quantity; }))
            return nullptr;
        QTest::keyClicks(quantity, QStringLiteral("1000"));
        quantity->setSelection(4, -2);
        return quantity;
    }

    static void verifyTheSameSelection(const QLineEdit* quantity)
    {
        QCOMPARE(quantity->selectedText(), QStringLiteral("00"));
        QCOMPARE(quantity->cursorPosition(), 2);
        QCOMPARE(QApplication::focusWidget(), quantity);
    }

    // Opens the first menu with a click on its title in the menu bar.
    QMenu* clickFileMenu()
    {
        QMenuBar* bar = window_->window.menuBar();
        QTest::mouseClick(
            bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().front()).center());
        return QTest::qWaitFor([this] { return openedMenu() != nullptr; }) ? openedMenu() : nullptr;
    }

private slots:
    void init()
    {
        window_ = std::make_unique<fakes::WindowFixture>();
        QVERIFY(window_->show());
        window_->window.activateWindow();
        QVERIFY(
            QTest::qWaitForWindowActive(&window_->window, fakes::kWindowSystemWaitMilliseconds));
        QTRY_COMPARE(QApplication::focusWidget(), window_->control("Command1"));
    }
    void cleanup() { window_.reset(); }

    void tabGoesToTheNextStopFromEachStop()
    {
        for (std::size_t i = 0; i < kStopCount; ++i) {
            stop(i)->setFocus(Qt::OtherFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), stop(i));
            press(Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), stop(i + 1));
        }
    }

    // From the last stop back to the first, so that the option group is entered
    // from outside before any of its buttons has had the focus.
    void shiftTabGoesToThePreviousStopFromEachStop()
    {
        for (std::size_t i = kStopCount; i-- > 0;) {
            stop(i + 1)->setFocus(Qt::OtherFocusReason);
            QTRY_COMPARE(QApplication::focusWidget(), stop(i + 1));
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            QTRY_COMPARE(QApplication::focusWidget(), stop(i));
        }
    }

    void theOptionGroupIsEnteredOnTheChoiceInForce_data()
    {
        QTest::addColumn<bool>("forward");
        QTest::addColumn<bool>("airChosen");
        QTest::newRow("Tab, Vacuum") << true << false;
        QTest::newRow("Shift+Tab, Vacuum") << false << false;
        QTest::newRow("Tab, Air") << true << true;
        QTest::newRow("Shift+Tab, Air") << false << true;
    }
    void theOptionGroupIsEnteredOnTheChoiceInForce()
    {
        QFETCH(bool, forward);
        QFETCH(bool, airChosen);
        auto* chosen = window_->control<QRadioButton>(airChosen ? "Option4" : "Option3");
        if (airChosen) {
            QTest::mouseClick(chosen, Qt::LeftButton, {}, QPoint(6, chosen->height() / 2));
            QVERIFY(chosen->isChecked());
        }
        window_->control(forward ? "Command4" : "Command1")->setFocus(Qt::OtherFocusReason);
        press(
            forward ? Qt::Key_Tab : Qt::Key_Backtab, forward ? Qt::NoModifier : Qt::ShiftModifier);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(chosen));
    }

    void aMessageBoxShowsPromptTitleAndAPlainOk()
    {
        ShownBox seen;
        QTimer::singleShot(300, [&seen] { seen = inspectModalBox(); });
        ui::qt::QtMessageBoxes messages;
        messages.show("Ente density from 0.610 to 1.075", "Check inputed value");
        QCOMPARE(seen.prompt, QStringLiteral("Ente density from 0.610 to 1.075"));
        QCOMPARE(seen.title, QStringLiteral("Check inputed value"));
        QCOMPARE(seen.buttons, 1);
        QVERIFY(!seen.okHasIcon);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
    }

    // The window manager draws the title in its own, wider face, beside its buttons.
    void aMessageBoxIsWideEnoughForItsTitle()
    {
        ShownBox seen;
        QTimer::singleShot(300, [&seen] { seen = inspectModalBox(); });
        ui::qt::QtMessageBoxes messages;
        messages.show("Check printer", "Priter Error");
        QFont titleFace(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
        QVERIFY2(seen.width >= QFontMetrics(titleFace).horizontalAdvance(seen.title) + 3 * 20,
            qPrintable(QString::number(seen.width)));
    }

    void aMessageBoxAndTheAboutDialogAskForACloseBoxOnly()
    {
        ShownBox seen;
        QTimer::singleShot(300, [&seen] { seen = inspectModalBox(); });
        ui::qt::QtMessageBoxes messages;
        messages.show("Check printer", "Priter Error");
        QVERIFY(asksForACloseBoxOnly(seen.frameHints));

        fakes::FakeRegistry registry;
        ui::about::HostFileSystem files;
        ui::about::qt::QtProgramLauncher launcher;
        ui::about::SysInfoHost sysInfo { registry, files, launcher, messages };
        ui::about::qt::QtAboutDialogs about(sysInfo);
        about.showAboutDialog();
        QVERIFY(QTest::qWaitForWindowExposed(about.dialog()));
        QVERIFY(asksForACloseBoxOnly(frameHintsOf(*about.dialog())));
        about.dialog()->close();
    }

    // Alt pressed and let go alone, then digits: every digit reaches the field.
    void altAloneTakesNoTypedDigit()
    {
        QLineEdit* quantity = window_->quantity();
        quantity->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), quantity);
        QTest::keyPress(quantity, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(quantity, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1000"));
        QCOMPARE(quantity->text(), QStringLiteral("1000"));
        QCOMPARE(window_->form.Text1.Text, "1000");
    }

    // F10 opens File; the arrows lead on to Help > About, which Enter chooses.
    void f10ReachesEveryMenu()
    {
        bool aboutChosen = false;
        connect(window_->window.findChild<QAction*>(QStringLiteral("frmAboutItem")),
            &QAction::triggered, this, [&aboutChosen] { aboutChosen = true; });
        press(Qt::Key_F10);
        QTRY_VERIFY(openedMenu());
        QCOMPARE(openedMenu()->title(), QStringLiteral("File"));
        for (const char* title : { "Convert", "Help" }) {
            QTest::keyClick(openedMenu(), Qt::Key_Right);
            QTRY_COMPARE(
                openedMenu() ? openedMenu()->title() : QString(), QString::fromLatin1(title));
        }
        QTest::keyClick(openedMenu(), Qt::Key_Down);
        QTest::keyClick(openedMenu(), Qt::Key_Return);
        QTRY_VERIFY(aboutChosen);
    }

    // Opening a menu and leaving it, or a menu command that changes no field.
    void aMenuLeavesTheQuantityAsItWas()
    {
        QLineEdit* quantity = quantityWithASelection();
        QVERIFY(quantity);
        QMenu* file = clickFileMenu();
        QVERIFY(file);
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!openedMenu());
        QTRY_COMPARE(QApplication::focusWidget(), quantity);
        verifyTheSameSelection(quantity);

        file = clickFileMenu();
        QVERIFY(file);
        auto* print = window_->window.findChild<QAction*>(QStringLiteral("mnuPintItem"));
        QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(print).center());
        QTRY_VERIFY(!openedMenu());
        QTRY_COMPARE(QApplication::focusWidget(), quantity);
        verifyTheSameSelection(quantity);
    }
};

QTEST_MAIN(WindowManagerTest)
#include "window_manager_test.moc"
