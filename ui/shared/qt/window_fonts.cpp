#include "ui/shared/qt/window_fonts.h"

#include "ui/shared/qt/program_files.h"

#include <QFontDatabase>
#include <QStringList>

namespace corvald::ui::qt {

namespace {

    constexpr int kWindowFontPixels = 11;

    // Adds the program's own copy of the face (share/corvald/fonts) to the fonts the application
    // knows; without it, the host's copy if it has one.
    QString loadWindowFace()
    {
        const int id = QFontDatabase::addApplicationFont(
            programFilePath(QStringLiteral(CORVALD_FACE_FOLDER "/window-face.ttf")));
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
