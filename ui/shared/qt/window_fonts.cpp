#include "ui/shared/qt/window_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStringList>

namespace corvald::ui::qt {

namespace {

    constexpr int kWindowFontPixels = 11;
    constexpr int kFolderLevelsSearched = 5;

    // The program's own copy of the face: share/corvald/fonts beside the folder of
    // the program (/usr/bin and /usr/share), or as many levels further up as the
    // build tree puts its programs below its top.
    QString windowFacePath()
    {
        QDir folder(QCoreApplication::applicationDirPath());
        const QString file = QStringLiteral(CORVALD_FACE_FOLDER "/window-face.ttf");
        for (int level = 0; level < kFolderLevelsSearched && folder.cdUp(); ++level)
            if (folder.exists(file))
                return folder.filePath(file);
        return {};
    }

    // Adds the program's copy of the face to the fonts the application knows;
    // without it, the host's copy if it has one.
    QString loadWindowFace()
    {
        const int id = QFontDatabase::addApplicationFont(windowFacePath());
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
