// The style of the two option buttons. "Air" is only 13 pixels high, less than
// the usual round indicator, which would be cut at the bottom; both buttons
// draw an indicator that the lower one holds whole, so the two look alike.
#pragma once

#include <QProxyStyle>

namespace corvald::ui::qt {

class OptionIndicatorStyle : public QProxyStyle {
public:
    static constexpr int kIndicatorPixels = 11;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};

} // namespace corvald::ui::qt
