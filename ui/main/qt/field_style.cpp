#include "ui/main/qt/field_style.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStyleFactory>

namespace corvald::ui::qt {

namespace {

    // Qt's own compact style, built into every Qt, drawn wholly from the palette.
    constexpr auto kCompactStyle = "Fusion";

} // namespace

FieldStyle::FieldStyle()
    : QProxyStyle(QStyleFactory::create(QString::fromLatin1(kCompactStyle)))
{
}

int FieldStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return kIndicatorPixels;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

namespace {

    QStyle* fieldStyle()
    {
        static QPointer<QStyle> style;
        if (!style) {
            style = new FieldStyle;
            style->setParent(QApplication::instance());
        }
        return style;
    }

} // namespace

void useFieldStyle(QWidget& control)
{
    control.setStyle(fieldStyle());
    auto* combo = qobject_cast<QComboBox*>(&control);
    auto* field = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(&control);
    if (combo && field)
        field->setStyle(fieldStyle());
    if (field)
        field->setTextMargins({});
}

} // namespace corvald::ui::qt
