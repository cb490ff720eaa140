#include "ui/main/qt/field_guard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

#include <limits>

namespace corvald::ui::qt {

namespace {

    // Rejects an edit as a whole when the result would not fit the field.
    class CapacityValidator : public QValidator {
    public:
        using QValidator::QValidator;
        State validate(QString& input, int&) const override
        {
            return input.size() <= kFieldCapacity ? Acceptable : Invalid;
        }
    };

    class StartOnFocusOut : public QObject {
    public:
        explicit StartOnFocusOut(QLineEdit& field)
            : QObject(&field)
            , field_(field)
        {
        }
        // A menu or a message box that takes the focus for a moment leaves the
        // field as it was, caret and selection, as the field itself does.
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::FocusOut && !isPassing(*static_cast<QFocusEvent*>(event)))
                field_.setCursorPosition(0);
            return false;
        }
        static bool isPassing(const QFocusEvent& event)
        {
            return event.reason() == Qt::PopupFocusReason
                || event.reason() == Qt::ActiveWindowFocusReason;
        }

    private:
        QLineEdit& field_;
    };

    void signRefusal(QLineEdit& field)
    {
        QApplication::beep();
        QToolTip::showText(field.mapToGlobal(QPoint(0, field.height())),
            QStringLiteral("Too long for this field: nothing was inserted"), &field);
    }

} // namespace

void guardField(QLineEdit& field, QWidget& focusHolder)
{
    // No cut at the field's own length limit: the validator refuses instead.
    field.setMaxLength(std::numeric_limits<int>::max());
    field.setValidator(new CapacityValidator(&field));
    QObject::connect(&field, &QLineEdit::inputRejected, &field, [&field] { signRefusal(field); });
    focusHolder.installEventFilter(new StartOnFocusOut(field));
}

} // namespace corvald::ui::qt
