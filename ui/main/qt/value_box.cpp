#include "ui/main/qt/value_box.h"

#include <QFontMetrics>
#include <QLabel>

namespace corvald::ui::qt {

namespace {

    int widthOf(const QString& text, const QFont& font)
    {
        return QFontMetrics(font).horizontalAdvance(text);
    }

    // The face at the largest size, not above its own, at which the text fits.
    QFont fittingFont(const QString& text, const QFont& face, int room)
    {
        QFont font = face;
        while (widthOf(text, font) > room && font.pixelSize() > kSmallestValuePixels)
            font.setPixelSize(font.pixelSize() - 1);
        return font;
    }

} // namespace

void showValue(QLabel& box, const QString& text, const QFont& face)
{
    const int room = box.contentsRect().width();
    const QFont font = fittingFont(text, face, room);
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
