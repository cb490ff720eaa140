// The main window under a real window manager, where the focus and the frames
// of message boxes are the window system's: Tab and Shift+Tab from every stop,
// the option group entered on the choice in force, and message boxes that show
// their prompt, their whole title and a plain OK.
#include "tests/support/window_system.h"
#include "tests/ui/main/qt/window_fixture.h"

#include "ui/main/qt/qt_host.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
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
};

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
};

QTEST_MAIN(WindowManagerTest)
#include "window_manager_test.moc"
