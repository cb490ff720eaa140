#include "ui/shared/qt/program_files.h"

#include <QCoreApplication>
#include <QDir>

namespace corvald::ui::qt {

namespace {

    // /usr/bin is one level below its prefix; the build tree puts its test
    // programs up to this many levels below its top.
    constexpr int kFolderLevelsSearched = 5;

} // namespace

QString programFilePath(const QString& relativePath)
{
    QDir folder(QCoreApplication::applicationDirPath());
    for (int level = 0; level < kFolderLevelsSearched && folder.cdUp(); ++level)
        if (folder.exists(relativePath))
            return folder.filePath(relativePath);
    return {};
}

} // namespace corvald::ui::qt
