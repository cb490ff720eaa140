#include "ui/shared/qt/window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace corvald::ui::qt {

namespace {

    constexpr int kWindowFontPixels = 11;

    // Adds the program's own copy of the face to the fonts the application knows.
    QString loadWindowFace()
    {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/window-face.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Liberation Sans Narrow") : families.front();
    }

} // namespace

QFont windowFont()
{
    static const QString family = loadWindowFace();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kWindowFontPixels);
    return font;
}

} // namespace corvald::ui::qt
