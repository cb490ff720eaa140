// A value in a box of fixed size is never shown cut without a sign. A text too
// wide for the box is set in the same face at a smaller size, down to the
// smallest legible one; a text too wide even then is cut with an ellipsis.
// Whenever the box shows the text smaller or cut, its tooltip holds the whole text.
#pragma once

#include <QString>

class QFont;
class QLabel;

namespace corvald::ui::qt {

// The smallest size, in pixels, at which a value is still read without doubt.
inline constexpr int kSmallestValuePixels = 8;

void showValue(QLabel& box, const QString& text, const QFont& face);

// The whole text of the value a box shows, however it is shown.
QString wholeValue(const QLabel& box);

} // namespace corvald::ui::qt
