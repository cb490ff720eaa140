// The Qt main window: the caption, the menu bar and the client area of Form1.
// Each click runs its handler against the model, then the screen is brought up
// to date; host services that show something see an up-to-date screen too.
#pragma once

#include "ui/main/form1.h"
#include "ui/main/host.h"

#include <QMainWindow>

#include <memory>
#include <string_view>

namespace corvald::ui::qt {

class Form1View;

class MainWindow : public QMainWindow {
public:
    MainWindow(Form1& form, Form1Host& host);
    ~MainWindow() override;

    Form1View& view() const { return *view_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    class ScreenFirstHost;

    void createMenus();
    void wireButtons();
    // The click handler of a control or menu item, by its name; null for none.
    using Handler = void (*)(MainWindow&);
    static Handler handlerOf(std::string_view control);
    // Runs a handler, then shows the model.
    void run(Handler handler);

    Form1& form_;
    Form1Host& host_;
    std::unique_ptr<ScreenFirstHost> screenFirst_;
    Form1View* view_;
    bool focusSet_ = false;
};

} // namespace corvald::ui::qt
