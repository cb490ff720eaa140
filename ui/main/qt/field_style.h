// The style that draws the window's input fields and option buttons. Their
// rectangles are fixed by the design and small: the quantity and the pick lists
// 21 to 25 pixels high, "Air" 13. Desktop styles pad their fields for larger
// boxes, so in some the pick lists cut their texts and lose their arrows, and
// some draw the option indicators in colours of their own that the printed
// page cannot turn to paper colours. One compact style that takes every colour
// from the palette draws these controls alike under every desktop style.
#pragma once

#include <QProxyStyle>

namespace corvald::ui::qt {

class FieldStyle : public QProxyStyle {
public:
    // "Air" is only 13 pixels high, less than the usual round indicator, which
    // would be cut at the bottom; both buttons draw one that the lower holds whole.
    static constexpr int kIndicatorPixels = 11;

    FieldStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};

// Draws the control, and the edit field of a pick list, with the one field
// style of the program (owned by the application). Text margins that a desktop
// style gave an edit field when it was made are taken off: the field style's
// own frame is all the room around the text.
void useFieldStyle(QWidget& control);

} // namespace corvald::ui::qt
