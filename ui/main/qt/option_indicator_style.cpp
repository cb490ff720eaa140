#include "ui/main/qt/option_indicator_style.h"

namespace corvald::ui::qt {

int OptionIndicatorStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return kIndicatorPixels;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace corvald::ui::qt
