#include "ui/main/qt/widget_updates.h"

#include <QApplication>
#include <QPalette>

namespace corvald::ui::qt {

namespace {

    QColor colorOf(SystemColor color, const QPalette& palette)
    {
        return color == SystemColor::windowBackground ? palette.color(QPalette::Base)
                                                      : palette.color(QPalette::Button);
    }

    int frameStyleOf(Border border)
    {
        return border == Border::fixedSingle ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame;
    }

} // namespace

void setBackground(QWidget* widget, SystemColor color)
{
    QPalette palette = widget->palette();
    const QColor wanted = colorOf(color, QApplication::palette(widget));
    if (palette.color(widget->backgroundRole()) == wanted)
        return;
    palette.setColor(widget->backgroundRole(), wanted);
    widget->setPalette(palette);
}

void setFrameIfChanged(QLabel* label, Border border)
{
    if (label->frameStyle() != frameStyleOf(border))
        label->setFrameStyle(frameStyleOf(border));
}

void setAccessibleNameIfChanged(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void replaceText(QLineEdit* field, const QString& text)
{
    if (field->text() == text)
        return;
    field->selectAll();
    field->insert(text);
}

} // namespace corvald::ui::qt
