#include "ui/shared/qt/design_geometry.h"

#include "ui/shared/qt/qt_text.h"

#include <QPainter>
#include <QWidget>

namespace corvald::ui::qt {

QRect pixels(const Rect& rect)
{
    return { rect.left / kTwipsPerPixel, rect.top / kTwipsPerPixel, rect.width / kTwipsPerPixel,
        rect.height / kTwipsPerPixel };
}

void setFocusOrder(QWidget& window, std::span<const std::string_view> names)
{
    QWidget* previous = nullptr;
    for (const std::string_view name : names) {
        auto* widget = window.findChild<QWidget*>(toQString(name));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void paintRule(QWidget& window, std::span<const LineDesign> lines)
{
    QPainter painter(&window);
    for (const LineDesign& line : lines)
        painter.fillRect(line.x1 / kTwipsPerPixel, line.y1 / kTwipsPerPixel,
            (line.x2 - line.x1) / kTwipsPerPixel, line.widthPixels,
            QColor(line.red, line.green, line.blue));
}

} // namespace corvald::ui::qt
