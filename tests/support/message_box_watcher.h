// Reads each real message box as it comes up (its prompt, title, buttons and
// whether it shows any picture) and dismisses it, as an operator would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <vector>

namespace corvald::fakes {

struct SeenMessageBox {
    QString prompt;
    QString title;
    QStringList buttons;
    bool withoutIcon;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { dismiss(); });
        timer_.start(20);
    }

    std::vector<SeenMessageBox> seen;
    std::function<void()> onFirst; // runs while the first box is up

private:
    void dismiss()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QStringList buttons;
        for (QAbstractButton* button : box->buttons())
            buttons << button->text().remove(QLatin1Char('&'));
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        seen.push_back({ box->text(), box->windowTitle(), buttons,
            box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull()
                && (!ok || ok->icon().isNull()) });
        if (seen.size() == 1 && onFirst)
            onFirst();
        if (ok)
            ok->click();
        else
            box->reject();
    }

    QTimer timer_;
};

} // namespace corvald::fakes
