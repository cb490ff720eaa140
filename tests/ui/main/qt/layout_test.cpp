// Where the controls of the main window stand and whether every text can be
// read whole: each rectangle as designed (in twips, 15 to the pixel), the degree
// signs next to their captions, and every caption and value inside its control,
// in both directions, with the largest values, and on a host without the face.
// Run once under each installed style (QT_STYLE_OVERRIDE), as a desktop chooses it.
#include "tests/ui/main/qt/window_fixture.h"

#include "ui/main/calculation.h"
#include "ui/main/direction.h"
#include "ui/main/qt/form1_view.h"

#include <QFontInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cstdlib>

using namespace corvald;

namespace {

struct DesignRect {
    const char* name;
    int left, top, width, height; // twips
};

// Every control that keeps its design rectangle.
constexpr DesignRect kDesign[] = {
    { "Text1", 2160, 240, 975, 375 },
    { "Combo1", 2160, 720, 975, 315 },
    { "Combo2", 2160, 1200, 975, 315 },
    { "Option3", 4080, 1560, 1095, 255 },
    { "Option4", 4080, 2040, 1095, 195 },
    { "Command1", 4080, 240, 1095, 375 },
    { "Command2", 4080, 720, 1095, 375 },
    { "Command3", 4080, 2640, 1095, 375 },
    { "Command4", 4080, 3120, 1095, 375 },
    { "Label23", 2160, 1680, 975, 375 },
    { "Label10", 2160, 2160, 975, 375 },
    { "Label13", 2160, 2640, 975, 375 },
    { "Label14", 2160, 3120, 975, 375 },
    { "Label1", 120, 240, 1845, 195 },
    { "Label2", 120, 720, 900, 195 },
    { "Label3", 120, 1200, 1335, 195 },
    { "Label24", 120, 1800, 1320, 195 },
    { "Label4", 120, 2280, 435, 195 },
    { "Label5", 120, 2760, 975, 195 },
    { "Label6", 120, 3240, 540, 195 },
    { "Label7", 3240, 240, 210, 195 },
    { "Label9", 3240, 1200, 360, 195 },
    { "Label11", 3240, 2880, 210, 195 },
    { "Label12", 3240, 3360, 165, 195 },
    { "Label20", 2160, 720, 975, 255 },
    { "Label21", 2160, 1200, 975, 255 },
};

QRect pixels(const DesignRect& r)
{
    return { r.left / 15, r.top / 15, r.width / 15, r.height / 15 };
}

// The part of a label that its text covers.
QRect textRect(const QLabel* label)
{
    const QRect room = label->contentsRect().translated(label->pos());
    return { room.left(), room.top(), QFontMetrics(label->font()).horizontalAdvance(label->text()),
        QFontMetrics(label->font()).height() };
}

// What a control covers on the screen: a caption without frame only its text.
QRect extentOf(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    return label && label->frameStyle() == QFrame::NoFrame ? textRect(label) : control->geometry();
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fakes::WindowFixture> window_;

    QLabel* label(const char* name) const { return window_->label(name); }

    void calculate(const char* quantity, const char* temperature, const char* density)
    {
        window_->form.Text1.Text = quantity;
        window_->form.Combo1.Text = temperature;
        window_->form.Combo2.Text = density;
        QTest::mouseClick(window_->control("Command3"), Qt::LeftButton);
    }

    // Every visible caption and value stands whole inside its control, or, for a
    // value too long for its box even at the smallest size, is cut with an ellipsis
    // and whole in the tooltip.
    void verifyEveryTextReadable()
    {
        for (QLabel* shown : window_->window.view().findChildren<QLabel*>()) {
            if (!shown->isVisible() || shown->text().isEmpty())
                continue;
            const char* name = qPrintable(shown->objectName());
            const QRect text = textRect(shown);
            QVERIFY2(text.right() <= shown->geometry().right(), name);
            QVERIFY2(text.height() <= shown->height() + 1, name);
            if (shown->text().endsWith(QChar(0x2026)))
                QVERIFY2(shown->toolTip().startsWith(shown->text().chopped(1)), name);
        }
        for (auto* button : window_->window.findChildren<QAbstractButton*>()) {
            const QFontMetrics metrics(button->font());
            QVERIFY(metrics.horizontalAdvance(button->text()) < button->width() - 8);
        }
    }

private slots:
    void init()
    {
        window_ = std::make_unique<fakes::WindowFixture>();
        QVERIFY(window_->show());
    }
    void cleanup() { window_.reset(); }

    void drawsEveryTextInTheWindowFace()
    {
        QCOMPARE(
            QFontInfo(label("Label1")->font()).family(), QStringLiteral("Liberation Sans Narrow"));
        QCOMPARE(
            QFontInfo(label("Label13")->font()).family(), QStringLiteral("Liberation Sans Narrow"));
    }

    void placesEveryControlAtItsDesignRectangle()
    {
        for (const DesignRect& design : kDesign)
            QCOMPARE(window_->control(design.name)->geometry(), pixels(design));
        QCOMPARE(window_->window.view().size(), QSize(360, 246));
        QVERIFY(!window_->control("Label22")->isVisible());
    }

    void placesTheDegreeSignsBesideTheirTexts()
    {
        const std::pair<const char*, const char*> captions[]
            = { { "Label3", "Label16" }, { "Label24", "Label26" }, { "Label5", "Label18" } };
        for (const auto& [captionName, signName] : captions) {
            const QLabel* caption = label(captionName);
            const QLabel* sign = label(signName);
            QCOMPARE(sign->text(), QStringLiteral("°C"));
            QCOMPARE(sign->y(), caption->y());
            const int gap = sign->x() - textRect(caption).right();
            const int blank = QFontMetrics(caption->font()).horizontalAdvance(QLatin1Char(' '));
            QVERIFY2(gap >= 1 && gap <= blank + 2, signName);
        }
        QCOMPARE(label("Label8")->text(), QStringLiteral("°C"));
        QCOMPARE(label("Label8")->pos(), QPoint(3240 / 15, 840 / 15));
        for (const char* raisedO : { "Label15", "Label17", "Label19", "Label25" })
            QVERIFY(!label(raisedO)->isVisible());
    }

    void fitsEveryTextInEitherDirection()
    {
        verifyEveryTextReadable();
        calculate("1000", "20.0", "0.8500");
        verifyEveryTextReadable();
        QTest::mouseClick(window_->control("Command1"), Qt::LeftButton);
        calculate("850", "-18.0", "1.0749");
        verifyEveryTextReadable();
    }

    void showsALargeResultWholeAtASmallerSize()
    {
        calculate("123456789", "20.0", "0.8500");
        QCOMPARE(window_->form.Label13.Caption, "122,925,924.807");
        QCOMPARE(label("Label13")->text(), QStringLiteral("122,925,924.807"));
        QCOMPARE(label("Label13")->toolTip(), QStringLiteral("122,925,924.807"));
        QVERIFY(label("Label13")->font().pixelSize() < label("Label4")->font().pixelSize());
        QVERIFY(label("Label13")->font().pixelSize() >= 8);
        verifyEveryTextReadable();
        calculate("1000", "20.0", "0.8500");
        QCOMPARE(label("Label13")->font(), label("Label4")->font());
        QCOMPARE(label("Label13")->toolTip(), QString());
    }

    // A value set smaller keeps the box's inner margin on the right as on the
    // left: the columns of ink inside the frame start and end as far from it.
    void keepsTheInnerMarginOnBothSidesOfASmallerValue()
    {
        calculate("123456789", "20.0", "0.8500");
        QLabel* box = label("Label13");
        QCOMPARE(box->text(), QStringLiteral("122,925,924.807"));
        const QImage picture = box->grab().toImage();
        const QRect inside = box->contentsRect();
        const auto lightnessAt = [&](int x, int y) {
            return QColor(picture.pixel(x * picture.width() / box->width(),
                              y * picture.height() / box->height()))
                .lightness();
        };
        const int groundOfAnyScheme = lightnessAt(inside.left(), inside.top());
        int firstInk = inside.right() + 1;
        int lastInk = inside.left() - 1;
        for (int x = inside.left(); x <= inside.right(); ++x)
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                if (std::abs(lightnessAt(x, y) - groundOfAnyScheme) > 96) {
                    firstInk = std::min(firstInk, x);
                    lastInk = std::max(lastInk, x);
                }
        const int left = firstInk - inside.left();
        const int right = inside.right() - lastInk;
        QVERIFY2(left >= 1 && right >= left - 1,
            qPrintable(QStringLiteral("%1 pixels free on the left, %2 on the right")
                           .arg(left)
                           .arg(right)));
    }

    void marksAResultTooLongForItsBox()
    {
        calculate("12345678901234", "20.0", "0.8500");
        const QString whole = QString::fromStdString(window_->form.Label13.Caption);
        QVERIFY(whole.startsWith(QStringLiteral("12,29")) && whole.size() == 22);
        QVERIFY(label("Label13")->text().endsWith(QChar(0x2026)));
        QCOMPARE(label("Label13")->toolTip(), whole);
        QCOMPARE(label("Label13")->accessibleDescription(), whole);
        verifyEveryTextReadable();
    }

    // A caption sized to its text never runs into the control beside it.
    void keepsEveryCaptionOffTheNextControl()
    {
        for (const bool massFirst : { false, true }) {
            if (massFirst)
                QTest::mouseClick(window_->control("Command1"), Qt::LeftButton);
            const auto children = window_->window.view().findChildren<QWidget*>(
                QString(), Qt::FindDirectChildrenOnly);
            for (QLabel* caption : window_->window.view().findChildren<QLabel*>()) {
                if (!caption->isVisible() || caption->frameStyle() != QFrame::NoFrame
                    || caption->text().isEmpty())
                    continue;
                const auto covers = [caption](const QWidget* other) {
                    return other != caption && other->geometry().contains(caption->geometry());
                };
                if (std::any_of(children.begin(), children.end(), covers))
                    continue; // a holder under its pick list
                for (const QWidget* other : children)
                    if (other != caption && other->isVisible())
                        QVERIFY2(!textRect(caption).intersects(extentOf(other)),
                            qPrintable(caption->objectName() + " meets " + other->objectName()));
            }
        }
    }

    void drawsInTheStyleAskedFor()
    {
        const QString asked = qEnvironmentVariable("QT_STYLE_OVERRIDE");
        if (!asked.isEmpty())
            QCOMPARE(QApplication::style()->name().toLower(), asked.toLower());
    }

    // The widest items stand whole in their pick lists, beside a shown arrow.
    void fitsThePickListsTextsBesideTheirArrows()
    {
        const std::pair<const char*, const char*> widest[]
            = { { "Combo1", "-17.5" }, { "Combo1", "-10.0" }, { "Combo2", "0.8567" } };
        for (const auto& [name, text] : widest) {
            QComboBox* box = window_->combo(name);
            QLineEdit* field = box->lineEdit();
            field->setText(QString::fromLatin1(text));
            // With the caret at the end, a text too wide for the field scrolls,
            // and its first character then lies left of where it starts. The
            // field scrolls when it paints, so each place is read after a paint.
            field->home(false);
            field->grab();
            const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            field->end(false);
            field->grab();
            const int width = QFontMetrics(field->font()).horizontalAdvance(field->text());
            QVERIFY2(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() - width
                    >= start - 1,
                text);
            const QMargins margins = field->textMargins();
            QVERIFY2(field->height() - margins.top() - margins.bottom()
                    >= QFontMetrics(field->font()).height(),
                text);
            QStyleOptionComboBox option;
            option.initFrom(box);
            option.editable = true;
            const QRect arrow = box->style()->subControlRect(
                QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box);
            QVERIFY2(arrow.width() >= 8 && box->rect().contains(arrow), name);
            QVERIFY2(!arrow.intersects(field->geometry()), name);
        }
    }

    void drawsBothOptionIndicatorsWhole()
    {
        for (const char* name : { "Option3", "Option4" }) {
            auto* option = window_->control<QRadioButton>(name);
            QStyleOptionButton style;
            style.initFrom(option);
            const QRect indicator
                = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
            QVERIFY2(option->rect().contains(indicator), name);
            QVERIFY2(indicator.top() >= 1 && indicator.bottom() <= option->height() - 2, name);
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
