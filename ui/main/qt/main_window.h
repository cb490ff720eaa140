// The Qt main window: the caption, the menu bar and the client area of Form1.
// Each click runs its handler against the model, then the screen is brought up
// to date; host services that show something see an up-to-date screen too.
#pragma once

#include "ui/main/form1.h"
#include "ui/main/form1_design.h"
#include "ui/main/host.h"

#include <QMainWindow>

#include <memory>

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
    // Runs a click's handler, then shows the model.
    void run(ClickHandler click);

    Form1& form_;
    Form1View* view_;
    std::unique_ptr<ScreenFirstHost> screenFirst_;
    Form1Host screenHost_; // the host, with its showing services handed the screen first
    bool focusSet_ = false;
};

} // namespace corvald::ui::qt
