#include "ui/main/qt/window_icon.h"

#include "window_icon_pixels.h"

#include <QImage>
#include <QPixmap>

namespace corvald::ui::qt {

// The images are built into the program as pixels, so making the icon at
// start-up decodes nothing.
QIcon windowIcon()
{
    QIcon icon;
    for (const IconImage& image : kIconImages) {
        const QImage pixels(reinterpret_cast<const uchar*>(image.pixels), image.size, image.size,
            QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(pixels));
    }
    return icon;
}

} // namespace corvald::ui::qt
