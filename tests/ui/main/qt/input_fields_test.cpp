// The quantity box and the two pick lists change their text only when the
// operator types or picks: not by the wheel, not by Enter in an opened list,
// not by a paste cut short at the field's limit.
#include "tests/ui/main/qt/window_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>
#include <QWheelEvent>

using namespace corvald;

namespace {

// Notches of the wheel (towards the operator) over the middle of `widget`,
// delivered as the window system would.
void turnWheel(QWidget* widget, int notches)
{
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

QPoint arrowOf(QComboBox* box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    return box->style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box)
        .center();
}

} // namespace

class InputFieldsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fakes::WindowFixture> window_;

    QComboBox* combo(const char* name) const { return window_->combo(name); }

    void type(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    void pick(QComboBox* box, const QString& item) { box->setCurrentIndex(box->findText(item)); }

    // Opens the list with a click on its arrow, as the operator does.
    bool open(QComboBox* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, arrowOf(box));
        return QTest::qWaitForWindowExposed(box->view()->window());
    }

    void paste(QLineEdit* field, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

private slots:
    void init()
    {
        window_ = std::make_unique<fakes::WindowFixture>();
        QVERIFY(window_->show());
    }
    void cleanup() { window_.reset(); }

    void theWheelOverAClosedListChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<bool>("focused");
        QTest::newRow("typed temperature") << QByteArray("Combo1") << "20.35"
                                           << "" << false;
        QTest::newRow("picked temperature, focused") << QByteArray("Combo1") << ""
                                                     << "20.0" << true;
        QTest::newRow("typed density, focused") << QByteArray("Combo2") << "0.8500"
                                                << "" << true;
        QTest::newRow("picked density") << QByteArray("Combo2") << ""
                                        << "0.8500" << false;
    }
    void theWheelOverAClosedListChangesNothing()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, typed);
        QFETCH(QString, picked);
        QFETCH(bool, focused);
        QComboBox* box = combo(list.constData());
        if (!typed.isEmpty())
            type(box, typed);
        else
            pick(box, picked);
        const QString before = box->currentText();
        if (focused)
            box->setFocus();
        else
            window_->control("Command1")->setFocus();
        turnWheel(box, 1);
        QCOMPARE(box->currentText(), before);
        QCOMPARE(
            QString::fromStdString(
                (window_->form.*(list == "Combo1" ? &ui::Form1::Combo1 : &ui::Form1::Combo2)).Text),
            before);
        QCOMPARE(box->hasFocus(), focused); // the wheel takes no focus either
    }

    void theWheelChangesNothingWhileAnotherWindowIsActive()
    {
        QComboBox* box = combo("Combo2");
        type(box, QStringLiteral("0.8500"));
        QDialog other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        turnWheel(box, 1);
        QCOMPARE(box->currentText(), QStringLiteral("0.8500"));
    }

    void theArrowKeysOfAFocusedClosedListStillPick()
    {
        QComboBox* box = combo("Combo1");
        pick(box, QStringLiteral("20.0"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("20.1"));
        QCOMPARE(window_->form.Combo1.Text, "20.1");
    }

    void enterInAListOpenedOnTypedTextKeepsTheText_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pickedBefore");
        QTest::newRow("temperature") << QByteArray("Combo1") << "20.35"
                                     << "";
        QTest::newRow("density") << QByteArray("Combo2") << "0.85"
                                 << "";
        QTest::newRow("typed over a pick") << QByteArray("Combo2") << "0.85001"
                                           << "0.8500";
    }
    void enterInAListOpenedOnTypedTextKeepsTheText()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, typed);
        QFETCH(QString, pickedBefore);
        QComboBox* box = combo(list.constData());
        if (!pickedBefore.isEmpty())
            pick(box, pickedBefore);
        box->lineEdit()->clear();
        type(box, typed);
        QVERIFY(open(box));
        QVERIFY(!box->view()->currentIndex().isValid());
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->currentText(), typed);
    }

    void escapeAndASecondClickOnTheArrowKeepTheTypedText()
    {
        QComboBox* box = combo("Combo1");
        type(box, QStringLiteral("20.35"));
        QVERIFY(open(box));
        QTest::keyClick(box->view(), Qt::Key_Escape);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->currentText(), QStringLiteral("20.35"));
        QVERIFY(open(box));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QWidget* popup = box->view()->window(); // it holds the mouse while open
        QTest::mouseClick(
            popup, Qt::LeftButton, {}, popup->mapFromGlobal(box->mapToGlobal(arrowOf(box))));
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->currentText(), QStringLiteral("20.35"));
    }

    void aListOpensAtTheItemEqualToItsText()
    {
        QComboBox* box = combo("Combo2");
        type(box, QStringLiteral("0.8500"));
        QVERIFY(open(box));
        QCOMPARE(box->view()->currentIndex().row(), box->findText(QStringLiteral("0.8500")));
        QTest::keyClick(box->view(), Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->currentText(), QStringLiteral("0.8501"));
        QCOMPARE(window_->form.Combo2.Text, "0.8501");
    }

    void aClickOnAnItemPicksIt()
    {
        QComboBox* box = combo("Combo1");
        type(box, QStringLiteral("20.35"));
        QVERIFY(open(box));
        QAbstractItemView* list = box->view();
        const QModelIndex item = list->model()->index(box->findText(QStringLiteral("-17.9")), 0);
        list->scrollTo(item);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(box->currentText(), QStringLiteral("-17.9"));
        QCOMPARE(window_->form.Combo1.Text, "-17.9");
    }

    void aPasteTheFieldCannotHoldWholeIsRefused_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("quantity") << QByteArray("Text1");
        QTest::newRow("temperature") << QByteArray("Combo1");
        QTest::newRow("density") << QByteArray("Combo2");
    }
    void aPasteTheFieldCannotHoldWholeIsRefused()
    {
        QFETCH(QByteArray, field);
        QWidget* control = window_->control(field.constData());
        auto* edit = qobject_cast<QLineEdit*>(control);
        if (!edit)
            edit = qobject_cast<QComboBox*>(control)->lineEdit();
        type(edit, QStringLiteral("12"));
        paste(edit, QString(40000, QLatin1Char('9')));
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QTRY_VERIFY(QToolTip::isVisible());
        paste(edit, QString(100, QLatin1Char('3')));
        QCOMPARE(edit->text().size(), 102); // a paste the field holds goes in whole
    }

    // A text set through the accessibility interface, as dictation tools set
    // it, is the text the calculation uses.
    void aTextSetByAnAssistiveToolReachesTheModel()
    {
        QLineEdit* quantity = window_->quantity();
        type(quantity, QStringLiteral("1"));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(quantity);
        QVERIFY(spoken && spoken->editableTextInterface());
        spoken->editableTextInterface()->replaceText(0, 1, QStringLiteral("1000"));
        QCOMPARE(quantity->text(), QStringLiteral("1000"));
        QCOMPARE(window_->form.Text1.Text, "1000");
        QComboBox* density = combo("Combo2");
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(density->lineEdit());
        list->editableTextInterface()->insertText(0, QStringLiteral("0.85"));
        QCOMPARE(window_->form.Combo2.Text, "0.85");
    }

    void aFieldShowsItsTextFromTheStartWhenItLosesTheFocus()
    {
        QComboBox* box = combo("Combo1");
        paste(box->lineEdit(), QStringLiteral("20.0\t"));
        QCOMPARE(window_->form.Combo1.Text, "20.0\t");
        window_->control("Command3")->setFocus();
        QCOMPARE(box->lineEdit()->cursorPosition(), 0);
        paste(window_->quantity(), QStringLiteral("          1000"));
        window_->control("Command3")->setFocus();
        QCOMPARE(window_->quantity()->cursorPosition(), 0);
    }
};

QTEST_MAIN(InputFieldsTest)
#include "input_fields_test.moc"
