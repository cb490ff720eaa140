// What an operator does with the texts of the window besides typing them:
// Ctrl+Z after Clear or a direction command brings the emptied field back, and
// a result can be selected with the mouse without the focus moving.
#include "tests/ui/main/qt/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
            const int middle = result->height() / 2;
            QTest::mousePress(result, Qt::LeftButton, {}, QPoint(1, middle));
            QTest::mouseMove(result, QPoint(result->width() - 2, middle));
            QTest::mouseRelease(result, Qt::LeftButton, {}, QPoint(result->width() - 2, middle));
            QVERIFY2(result->hasSelectedText(), name);
            QCOMPARE(result->selectedText(), result->text());
            QCOMPARE(QApplication::focusWidget(), focused);
        }
        QCOMPARE(control<QLabel>("Label14")->selectedText(), QStringLiteral("846.345"));
    }
};

QTEST_MAIN(UndoAndSelectionTest)
#include "undo_and_selection_test.moc"
