// The real widgets of the main window, driven as an operator drives them.
#include "tests/ui/main/qt/main_window_fixture.h"
#include "ui/main/form1_design.h"
#include "ui/main/qt/form1_view.h"

#include <QPushButton>
#include <QRadioButton>

using namespace corvald;

class MainWindowTest : public tests::MainWindowFixture {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void startsAsDesigned()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral("CORVALD  Cruide Oils"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
        for (const char* name : { "Combo1", "Combo2" }) {
            QCOMPARE(combo(name)->currentText(), QString());
            QCOMPARE(combo(name)->currentIndex(), -1);
        }
        for (const char* result : { "Label23", "Label10", "Label13", "Label14" })
            QCOMPARE(caption(result), QString());
        QVERIFY(control<QRadioButton>("Option3")->isChecked());
        QVERIFY(!control<QRadioButton>("Option4")->isChecked());
        QCOMPARE(caption("Label7"), QStringLiteral("m3"));
        QVERIFY(!control("Label22")->isVisible());
        QCOMPARE(QApplication::focusWidget(), control("Command1"));
    }

    void coversTheHoldersWithThePickLists()
    {
        const QWidget* view = &window_->view();
        for (auto [label, box] : { std::pair { "Label20", "Combo1" }, { "Label21", "Combo2" } }) {
            QVERIFY(control(box)->geometry().contains(control(label)->geometry()));
            QVERIFY(
                view->children().indexOf(control(box)) > view->children().indexOf(control(label)));
        }
    }

    void holdsTheTwoPickListsInOrder()
    {
        QComboBox* temperatures = combo("Combo1");
        QCOMPARE(temperatures->count(), 1131);
        QCOMPARE(temperatures->itemText(0), QStringLiteral("-18.0"));
        QCOMPARE(temperatures->itemText(179), QStringLiteral("-0.1"));
        QCOMPARE(temperatures->itemText(180), QStringLiteral("0.0"));
        QCOMPARE(temperatures->itemText(1130), QStringLiteral("95.0"));
        QComboBox* densities = combo("Combo2");
        QCOMPARE(densities->count(), 3750);
        QCOMPARE(densities->itemText(0), QStringLiteral("0.7000"));
        QCOMPARE(densities->itemText(2999), QStringLiteral("0.9999"));
        QCOMPARE(densities->itemText(3000), QStringLiteral("1.0000"));
        QCOMPARE(densities->itemText(3749), QStringLiteral("1.0749"));
    }

    void pickingAnItemPutsItsTextIntoTheModel()
    {
        pick("Combo2", QStringLiteral("1.0000"));
        QCOMPARE(form_->Combo2.Text, "1.0000");
        QCOMPARE(combo("Combo2")->currentText(), QStringLiteral("1.0000"));
    }

    void typedTextStandsAsTyped()
    {
        QComboBox* box = combo("Combo1");
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->currentText(), QStringLiteral("2"));
        QCOMPARE(form_->Combo1.Text, "2");
        QCOMPARE(box->count(), 1131);
    }

    void calculatesFromTheButton()
    {
        enterAThousandCubicMetresAt20Degrees();
        click("Command3");
        QCOMPARE(caption("Label23"), QStringLiteral("0.8489"));
        QCOMPARE(caption("Label10"), QStringLiteral("0.9957"));
        QCOMPARE(caption("Label13"), QStringLiteral("995.700"));
        QCOMPARE(caption("Label14"), QStringLiteral("846.345"));
        QVERIFY(messages_.shown.empty());
    }

    void calculatesFromTheMenu()
    {
        enterAThousandCubicMetresAt20Degrees();
        menuItem("mnuCalculateItem")->trigger();
        QCOMPARE(caption("Label14"), QStringLiteral("846.345"));
    }

    void recalculatesWhenTheBasisIsClicked()
    {
        enterAThousandCubicMetresAt20Degrees();
        click("Option4");
        QVERIFY(control<QRadioButton>("Option4")->isChecked());
        QCOMPARE(caption("Label14"), QStringLiteral("845.250"));
        click("Option3");
        QCOMPARE(caption("Label14"), QStringLiteral("846.345"));
    }

    // Each control runs its own handler: the buttons and the option buttons
    // speak with the window's messages, File > Calculate with the menu's.
    void eachTriggerShowsItsOwnMessages()
    {
        const std::pair<const char*, const char*> triggers[] = {
            { "Command3", "Ente density from 0.610 to 1.075" },
            { "Option3", "Ente density from 0.610 to 1.075" },
            { "Option4", "Ente density from 0.610 to 1.075" },
            { "mnuCalculateItem", "Ente density from 0.650 to 1.075" },
        };
        for (const auto& [trigger, prompt] : triggers) {
            messages_.shown.clear();
            form_->Text1.Text = "1000";
            form_->Combo1.Text = "20.0";
            form_->Combo2.Text = "abc";
            if (QByteArray(trigger).startsWith("mnu"))
                menuItem(trigger)->trigger();
            else
                click(trigger);
            QCOMPARE(messages_.shown.size(), std::size_t(1));
            QCOMPARE(messages_.shown.front().prompt, std::string(prompt));
        }
    }

    void showsTheScreenUpToDateBeforeAMessage()
    {
        struct Recorder : ui::MessageBoxes {
            const QLabel* densityInAir = nullptr;
            QString shown;
            void show(std::string_view, std::string_view) override { shown = densityInAir->text(); }
        } recorder;
        ui::Form1 form;
        ui::Form1Host host { recorder, program_, *printer_, about_ };
        ui::qt::MainWindow window(form, host);
        recorder.densityInAir = window.findChild<QLabel*>(QStringLiteral("Label23"));
        form.Combo2.Text = "0.8500";
        QTest::mouseClick(window.view().commandButton(&ui::Form1::Command3), Qt::LeftButton);
        QCOMPARE(recorder.shown, QStringLiteral("0.8489"));
    }

    void switchesDirectionFromButtonAndMenu()
    {
        QTest::keyClicks(control("Text1"), QStringLiteral("1000"));
        click("Command1");
        QCOMPARE(caption("Label1"), QStringLiteral("Tonnes"));
        QCOMPARE(caption("Label7"), QStringLiteral("mt"));
        QCOMPARE(caption("Label6"), QStringLiteral("Volume at observed temp."));
        QCOMPARE(caption("Label12"), QStringLiteral("m3"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
        menuItem("frmCmtomtItem")->trigger();
        QCOMPARE(caption("Label7"), QStringLiteral("m3"));
        QCOMPARE(caption("Label1"), QStringLiteral("Volume at observed temp."));
        menuItem("frmMttocmItem")->trigger();
        QCOMPARE(caption("Label7"), QStringLiteral("mt"));
        click("Command2");
        QCOMPARE(caption("Label12"), QStringLiteral("mt"));
    }

    void fitCaptionsFollowTheDirection()
    {
        click("Command1");
        QCOMPARE(control("Label1")->width(), 540 / 15);
        QCOMPARE(control("Label6")->width(), 1845 / 15);
        click("Command2");
        QCOMPARE(control("Label1")->width(), 1845 / 15);
    }

    void clearsFromButtonAndMenu()
    {
        for (const char* trigger : { "Command4", "mnuClearItem" }) {
            enterAThousandCubicMetresAt20Degrees();
            click("Command3");
            if (QByteArray(trigger).startsWith("Command"))
                click(trigger);
            else
                menuItem(trigger)->trigger();
            QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
            QCOMPARE(combo("Combo1")->currentText(), QString());
            QCOMPARE(combo("Combo2")->currentText(), QString());
            QCOMPARE(caption("Label10"), QString());
            QCOMPARE(caption("Label14"), QString());
            QCOMPARE(caption("Label23"), QStringLiteral("0.8489"));
        }
    }

    void printsFromTheMenuAndRestoresTheScreen()
    {
        enterAThousandCubicMetresAt20Degrees();
        click("Command3");
        struct ScreenAtPrint : ui::WindowPicturePrinter {
            QWidget* window = nullptr;
            bool buttonShown = true, comboShown = true;
            QString temperature;
            bool printWindowPicture() override
            {
                buttonShown = window->findChild<QWidget*>(QStringLiteral("Command3"))->isVisible();
                comboShown = window->findChild<QWidget*>(QStringLiteral("Combo1"))->isVisible();
                temperature = window->findChild<QLabel*>(QStringLiteral("Label20"))->text();
                return true;
            }
        } screen;
        screen.window = window_.get();
        ui::Form1Host host { messages_, program_, screen, about_ };
        ui::qt::MainWindow window(*form_, host);
        screen.window = &window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.findChild<QAction*>(QStringLiteral("mnuPintItem"))->trigger();
        QVERIFY(!screen.buttonShown);
        QVERIFY(!screen.comboShown);
        QCOMPARE(screen.temperature, QStringLiteral("20.0"));
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Command3"))->isVisible());
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("Combo1"))->isVisible());
        QVERIFY(messages_.shown.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
