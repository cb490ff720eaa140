// What an operator does with the texts of the window besides typing them:
// Ctrl+Z after Clear or a direction command brings the emptied field back, the
// arrows in a closed pick list step from the typed text, and a result can be
// selected with the mouse without the focus moving and copied whole.
#include "tests/ui/main/qt/window_fixture.h"

#include "ui/main/qt/form1_view.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace corvald;

class UndoAndSelectionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fakes::WindowFixture> under_;

    template <class T = QWidget> T* control(const char* name) const
    {
        return under_->control<T>(name);
    }

    // Types into a field as the operator does: focus, keys.
    void type(QWidget* field, const char* text)
    {
        field->setFocus();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    void enterAndCalculate()
    {
        type(control<QLineEdit>("Text1"), "1000");
        type(control<QComboBox>("Combo1"), "20.0");
        type(control<QComboBox>("Combo2"), "0.8500");
        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    }
    // Drags across a result from its left end to its right.
    static void dragAcross(QLabel* result)
    {
        const int middle = result->height() / 2;
        QTest::mousePress(result, Qt::LeftButton, {}, QPoint(1, middle));
        QTest::mouseMove(result, QPoint(result->width() - 2, middle));
        QTest::mouseRelease(result, Qt::LeftButton, {}, QPoint(result->width() - 2, middle));
    }
    // The boxes that show a selection.
    QStringList selectedResults() const
    {
        QStringList selected;
        for (const char* name : { "Label23", "Label10", "Label13", "Label14" })
            if (control<QLabel>(name)->hasSelectedText())
                selected << QString::fromLatin1(name);
        return selected;
    }
    // Chooses Copy in the context menu of a result, as the right mouse button does.
    static void copyFromContextMenu(QLabel* result)
    {
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu && !menu->actions().isEmpty() && menu->actions().front()->text() == "Copy")
                menu->actions().front()->trigger();
            if (menu)
                menu->close();
        });
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, QPoint(2, 2), result->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(result, &event);
    }
    // Ctrl+Z in a field that has the focus.
    static void undoIn(QWidget* field)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    }

private slots:
    void init()
    {
        under_ = std::make_unique<fakes::WindowFixture>();
        under_->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&under_->window));
    }
    void cleanup() { under_.reset(); }

    // Ctrl+Z gives back the text on the screen and in the model, which the
    // next calculation reads.
    void clearCanBeUndoneInEachField()
    {
        enterAndCalculate();
        QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(under_->form.Combo1.Text, "");

        undoIn(control<QLineEdit>("Text1"));
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("1000"));
        QCOMPARE(under_->form.Text1.Text, "1000");
        undoIn(control<QComboBox>("Combo1"));
        QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("20.0"));
        QCOMPARE(under_->form.Combo1.Text, "20.0");
        undoIn(control<QComboBox>("Combo2"));
        QCOMPARE(under_->form.Combo2.Text, "0.8500");

        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(under_->form.Label14.Caption, "846.345");
    }

    void directionCommandsCanBeUndone()
    {
        for (const char* command : { "Command1", "Command2" }) {
            type(control<QLineEdit>("Text1"), "1000");
            QTest::mouseClick(control<QPushButton>(command), Qt::LeftButton);
            QCOMPARE(under_->form.Text1.Text, "");
            undoIn(control<QLineEdit>("Text1"));
            QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("1000"));
            QCOMPARE(under_->form.Text1.Text, "1000");
            control<QLineEdit>("Text1")->clear();
        }
    }

    // The operator's own edits before the command stay undoable one by one.
    void undoGoesBackThroughTheTypingToo()
    {
        QLineEdit* quantity = control<QLineEdit>("Text1");
        type(quantity, "1000");
        QTest::keyClick(quantity, Qt::Key_Backspace);
        QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
        undoIn(quantity);
        QCOMPARE(quantity->text(), QStringLiteral("100"));
        undoIn(quantity);
        QCOMPARE(quantity->text(), QStringLiteral("1000"));
    }

    // Dragging across a result selects it whole; the focus stays where it was,
    // so Enter still presses the button that had it.
    void resultsAreSelectableWithoutTakingTheFocus()
    {
        enterAndCalculate();
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        for (const char* name : { "Label23", "Label10", "Label13", "Label14" }) {
            auto* result = control<QLabel>(name);
            dragAcross(result);
            QVERIFY2(result->hasSelectedText(), name);
            QCOMPARE(result->selectedText(), result->text());
            QCOMPARE(QApplication::focusWidget(), focused);
        }
        QCOMPARE(control<QLabel>("Label14")->selectedText(), QStringLiteral("846.345"));
    }

    // Down in a closed list, typing over the item, Down again: the step starts
    // from the typed item, and Ctrl+Z brings the typed text back.
    void theArrowsStepFromTheTypedText()
    {
        auto* density = control<QComboBox>("Combo2");
        density->setFocus();
        QTest::keyClick(density, Qt::Key_Down);
        QCOMPARE(density->currentText(), QStringLiteral("0.7000"));
        density->lineEdit()->selectAll();
        QTest::keyClicks(density, QStringLiteral("0.9000"));
        QTest::keyClick(density, Qt::Key_Down);
        QCOMPARE(density->currentText(), QStringLiteral("0.9001"));
        QCOMPARE(under_->form.Combo2.Text, "0.9001");
        QTest::keyClick(density, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(density->currentText(), QStringLiteral("0.9000"));
        QCOMPARE(under_->form.Combo2.Text, "0.9000");

        auto* temperature = control<QComboBox>("Combo1");
        type(temperature, "30.0");
        QTest::keyClick(temperature, Qt::Key_Down);
        QCOMPARE(temperature->currentText(), QStringLiteral("30.1"));
        QTest::keyClick(temperature, Qt::Key_Up);
        QTest::keyClick(temperature, Qt::Key_Up);
        QCOMPARE(temperature->currentText(), QStringLiteral("29.9"));
        // The opened list shows the item the arrows reached.
        temperature->showPopup();
        QCOMPARE(temperature->view()->currentIndex().data().toString(), QStringLiteral("29.9"));
        temperature->hidePopup();
    }

    // Ctrl+C, wherever the focus is, and the context menu copy the selected
    // result whole, also a value shown cut.
    void aSelectedResultCopiesWhole()
    {
        enterAndCalculate();
        QGuiApplication::clipboard()->clear();
        dragAcross(control<QLabel>("Label14"));
        for (const char* focused : { "Command3", "Text1", "Combo2" }) {
            QGuiApplication::clipboard()->clear();
            control(focused)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("846.345"));
        }

        type(control<QLineEdit>("Text1"), "12345678901234");
        QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
        const QString whole = QString::fromStdString(under_->form.Label13.Caption);
        QVERIFY(control<QLabel>("Label13")->text().endsWith(QChar(0x2026)));
        control<QLabel>("Label13")->setSelection(0, 5);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
        QGuiApplication::clipboard()->clear();
        copyFromContextMenu(control<QLabel>("Label13"));
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
    }

    // A field's own selection is what Ctrl+C copies once it is made after the result's.
    void ctrlCInAFieldCopiesTheFieldsSelection()
    {
        enterAndCalculate();
        dragAcross(control<QLabel>("Label14"));
        auto* quantity = control<QLineEdit>("Text1");
        quantity->setFocus();
        quantity->setSelection(0, 2);
        QTest::keyClick(quantity, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("10"));
        QCOMPARE(selectedResults(), QStringList());
    }

    // One selection at a time; a click elsewhere or a command takes it off.
    void aResultsSelectionEndsWithAClickElsewhereOrACommand()
    {
        enterAndCalculate();
        dragAcross(control<QLabel>("Label14"));
        dragAcross(control<QLabel>("Label13"));
        QCOMPARE(selectedResults(), QStringList { QStringLiteral("Label13") });
        QTest::mouseClick(control<QLineEdit>("Text1"), Qt::LeftButton);
        QCOMPARE(selectedResults(), QStringList());

        dragAcross(control<QLabel>("Label14"));
        QTest::mouseClick(&under_->window.view(), Qt::LeftButton, {}, QPoint(100, 200));
        QCOMPARE(selectedResults(), QStringList());

        // Enter on CALCULATE gives the same text again: the old highlight goes.
        dragAcross(control<QLabel>("Label14"));
        control<QPushButton>("Command3")->setFocus();
        QTest::keyClick(control<QPushButton>("Command3"), Qt::Key_Return);
        QCOMPARE(under_->form.Label14.Caption, "846.345");
        QCOMPARE(selectedResults(), QStringList());
    }
};

QTEST_MAIN(UndoAndSelectionTest)
#include "undo_and_selection_test.moc"
