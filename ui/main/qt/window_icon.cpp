#include "ui/main/qt/window_icon.h"

namespace corvald::ui::qt {

QIcon windowIcon()
{
    QIcon icon;
    for (const int size : { CORVALD_ICON_SIZES })
        icon.addFile(QStringLiteral(":/icons/corvald-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace corvald::ui::qt
