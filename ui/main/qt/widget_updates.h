// Writes of the model's properties into widgets, each made only when the
// widget shows something else: a write of the same value would still repaint
// the widget and tell a screen reader of a change.
#pragma once

#include "ui/main/controls.h"
#include "ui/shared/qt/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <string>

namespace corvald::ui::qt {

// The colour is taken from the colour scheme, not from the widget's own palette,
// which holds the colour last written.
void setBackground(QWidget* widget, SystemColor color);

void setFrameIfChanged(QLabel* label, Border border);

void setAccessibleNameIfChanged(QWidget* widget, const QString& name);

// Replaces the whole text as one edit, so that the operator's Ctrl+Z
// brings back what a command emptied (setText would drop the history).
void replaceText(QLineEdit* field, const QString& text);

// Returns whether the text changed.
template <class Widget> bool setTextIfChanged(Widget* widget, const std::string& text)
{
    const QString wanted = toQString(text);
    if (widget->text() == wanted)
        return false;
    widget->setText(wanted);
    return true;
}

} // namespace corvald::ui::qt
