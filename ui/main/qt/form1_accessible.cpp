#include "ui/main/qt/form1_accessible.h"

#include "ui/main/qt/form1_view.h"

#include <QAccessibleWidget>

namespace corvald::ui::qt {

namespace {

    class SpokenForm1 : public QAccessibleWidget {
    public:
        explicit SpokenForm1(Form1View* view)
            : QAccessibleWidget(view, QAccessible::Client)
            , view_(view)
        {
        }

        int childCount() const override { return static_cast<int>(spokenChildren().size()); }

        QAccessibleInterface* child(int index) const override
        {
            const QList<QWidget*> children = spokenChildren();
            if (index < 0 || index >= children.size())
                return nullptr;
            return QAccessible::queryAccessibleInterface(children[index]);
        }

        int indexOfChild(const QAccessibleInterface* child) const override
        {
            if (!child)
                return -1;
            return static_cast<int>(
                spokenChildren().indexOf(qobject_cast<QWidget*>(child->object())));
        }

    private:
        // The child controls in the order of their creation, as Qt lists them.
        QList<QWidget*> spokenChildren() const
        {
            QList<QWidget*> spoken;
            for (QObject* object : view_->children()) {
                auto* widget = qobject_cast<QWidget*>(object);
                if (widget && !widget->isWindow() && view_->isSpoken(widget))
                    spoken.append(widget);
            }
            return spoken;
        }

        Form1View* view_;
    };

    QAccessibleInterface* spokenForm1(const QString&, QObject* object)
    {
        auto* view = dynamic_cast<Form1View*>(object);
        return view ? new SpokenForm1(view) : nullptr;
    }

} // namespace

void installSpokenForm1()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(spokenForm1);
        return true;
    }();
}

} // namespace corvald::ui::qt
