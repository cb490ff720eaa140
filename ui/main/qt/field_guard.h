// Keeps an input field honest, so that the text a calculation reads is the text
// on the screen: a paste or entry that the field cannot hold whole is refused
// with a visible sign instead of being cut, and a field that loses the focus
// shows its text from the start.
#pragma once

class QLineEdit;
class QWidget;

namespace corvald::ui::qt {

// The most characters an input field holds.
inline constexpr int kFieldCapacity = 32767;

// `focusHolder` is the widget that takes the focus for the field: the field
// itself, or the pick list whose edit field it is.
void guardField(QLineEdit& field, QWidget& focusHolder);

} // namespace corvald::ui::qt
