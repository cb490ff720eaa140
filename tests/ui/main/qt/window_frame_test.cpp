// The frame of the main window: its menus, keys, icon and scale.
#include "tests/ui/main/qt/main_window_fixture.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/window_icon.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace corvald;

class WindowFrameTest : public tests::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void showsTheAboutDialogFromTheHelpMenu()
    {
        menuItem("frmAboutItem")->trigger();
        QCOMPARE(about_.shown, 1);
    }

    void exitEndsTheProgram()
    {
        menuItem("mnuExitItem")->trigger();
        QCOMPARE(program_.endRequests, 1);
    }

    void enterPressesOnlyTheFocusedButton()
    {
        QTest::keyClick(control("Command1"), Qt::Key_Return);
        QCOMPARE(caption("Label7"), QStringLiteral("mt"));
        QTest::keyClick(control("Command1"), Qt::Key_Escape);
        QCOMPARE(caption("Label7"), QStringLiteral("mt"));
        enterAThousandCubicMetresAt20Degrees();
        QTest::keyClick(control("Text1"), Qt::Key_Return);
        QTest::keyClick(control("Text1"), Qt::Key_Escape);
        QCOMPARE(caption("Label7"), QStringLiteral("mt"));
        QCOMPARE(caption("Label10"), QString());
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("1000"));
    }

    void tabsInTheDesignedOrder()
    {
        const char* order[] = { "Command1", "Text1", "Combo1", "Combo2", "Command3", "Command2",
            "Command4", "Option3" };
        for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
            QCOMPARE(QApplication::focusWidget(), control(order[i]));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), control("Option3"));
    }

    void resizingMovesNoControl()
    {
        const QRect before = control("Command3")->geometry();
        window_->resize(600, 500);
        QTest::qWait(10);
        QCOMPARE(control("Command3")->geometry(), before);
        window_->resize(200, 120);
        QTest::qWait(10);
        QCOMPARE(control("Command3")->geometry(), before);
    }

    // On a high-density screen the window is drawn with more pixels at the same
    // layout, and the icon from its larger images.
    void scalesWithTheScreen()
    {
        const double factor = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
            : 1.0;
        QCOMPARE(window_->devicePixelRatioF(), factor);
        const QPixmap picture = window_->view().grab();
        QCOMPARE(picture.size(), QSize(qRound(360 * factor), qRound(246 * factor)));
        const QPixmap button = control("Command3")->grab();
        QCOMPARE(button.size(), QSize(qRound(73 * factor), qRound(25 * factor)));
        const QPixmap icon = ui::qt::windowIcon().pixmap(QSize(24, 24), factor);
        QCOMPARE(icon.deviceIndependentSize().toSize(), QSize(24, 24));
        QVERIFY(icon.width() >= qRound(24 * factor));
    }

    void hasAWindowIconForEachSize()
    {
        const QIcon icon = ui::qt::windowIcon();
        for (const int size : { 24, 32, 48 }) {
            const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
            const QImage installed
                = QImage(QStringLiteral(CORVALD_ICON_FOLDER "/corvald-%1.png").arg(size));
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                installed.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        QCOMPARE(icon.availableSizes().size(), 3);
    }

    void hasTheMenusInOrder()
    {
        const QStringList expected = { "File", "Calculate", "Print", "Clear", "Exit", "Convert",
            "metric tonns to cubic meters", "cubic meters to metric tonnes", "Help", "About" };
        QStringList shown;
        for (QAction* menu : window_->menuBar()->actions()) {
            shown << menu->text();
            for (QAction* item : menu->menu()->actions()) {
                shown << item->text();
                QVERIFY(item->isEnabled() && item->isVisible() && !item->isSeparator());
                QVERIFY(item->shortcut().isEmpty());
            }
        }
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
