#include "ui/main/qt/value_box.h"

#include <QFontMetrics>
#include <QLabel>

namespace corvald::ui::qt {

namespace {

    int widthOf(const QString& text, const QFont& font)
    {
        return QFontMetrics(font).horizontalAdvance(text);
    }

    // The inner margin that a framed box keeps before its text in that font, as
    // QLabel lays it out: its own indent, else half an "x" when it has a frame.
    int innerMargin(const QLabel& box, const QFont& font)
    {
        if (box.indent() >= 0)
            return box.indent();
        if (box.frameWidth() <= 0)
            return 0;
        return QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) / 2 - box.margin();
    }

    // The width the text may take in that font: the box's inside, less its inner
    // margin on the left and the same on the right.
    int roomIn(const QLabel& box, const QFont& font)
    {
        return box.contentsRect().width() - 2 * innerMargin(box, font);
    }

    // The face at the largest size, not above its own, at which the text fits.
    QFont fittingFont(const QLabel& box, const QString& text, const QFont& face)
    {
        QFont font = face;
        while (widthOf(text, font) > roomIn(box, font) && font.pixelSize() > kSmallestValuePixels)
            font.setPixelSize(font.pixelSize() - 1);
        return font;
    }

} // namespace

void showValue(QLabel& box, const QString& text, const QFont& face)
{
    const QFont font = fittingFont(box, text, face);
    const int room = roomIn(box, font);
    const QString shown = widthOf(text, font) <= room
        ? text
        : QFontMetrics(font).elidedText(text, Qt::ElideRight, room);
    const QString tip = font == face && shown == text ? QString() : text;
    if (box.font() != font)
        box.setFont(font);
    if (box.text() != shown)
        box.setText(shown);
    if (box.toolTip() != tip)
        box.setToolTip(tip);
}

QString wholeValue(const QLabel& box)
{
    return box.toolTip().isEmpty() ? box.text() : box.toolTip();
}

} // namespace corvald::ui::qt
