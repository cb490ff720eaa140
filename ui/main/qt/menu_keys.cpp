#include "ui/main/qt/menu_keys.h"

#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>

namespace corvald::ui::qt {

namespace {

    // The desktop's style for the menu bar, less the arming by Alt alone.
    class WithoutAltArming : public QProxyStyle {
    public:
        int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
            QStyleHintReturn* returned) const override
        {
            if (hint == SH_MenuBar_AltKeyNavigation)
                return 0;
            return QProxyStyle::styleHint(hint, option, widget, returned);
        }
    };

} // namespace

void reachMenusByF10(QMenuBar& bar)
{
    auto* style = new WithoutAltArming;
    style->setParent(&bar);
    bar.setStyle(style);
    auto* opener = new QShortcut(QKeySequence(Qt::Key_F10), bar.window());
    QObject::connect(opener, &QShortcut::activated, &bar, [&bar] {
        if (!bar.actions().isEmpty())
            bar.setActiveAction(bar.actions().front());
    });
}

} // namespace corvald::ui::qt
