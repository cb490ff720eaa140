#include "ui/main/qt/main_window.h"

#include "ui/main/about_item.h"
#include "ui/main/calculation.h"
#include "ui/main/clear.h"
#include "ui/main/direction.h"
#include "ui/main/exit.h"
#include "ui/main/form1_design.h"
#include "ui/main/print.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/qt_text.h"

#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace corvald::ui::qt {

// The host services that show something, handed the screen up to date with the model.
class MainWindow::ScreenFirstHost : public MessageBoxes, public WindowPicturePrinter {
public:
    ScreenFirstHost(Form1Host& host, Form1View*& view)
        : host_(host)
        , view_(view)
    {
    }
    void show(std::string_view prompt, std::string_view title) override
    {
        view_->showModel();
        host_.messages.show(prompt, title);
    }
    bool printWindowPicture() override
    {
        view_->showModel();
        return host_.printer.printWindowPicture();
    }

private:
    Form1Host& host_;
    Form1View*& view_;
};

MainWindow::MainWindow(Form1& form, Form1Host& host)
    : form_(form)
    , host_(host)
    , screenFirst_(std::make_unique<ScreenFirstHost>(host, view_))
    , view_(new Form1View(form, this))
{
    setWindowTitle(toQString(form_.Caption));
    setCentralWidget(view_);
    createMenus();
    wireButtons();
    resize(kForm1ClientWidth / kTwipsPerPixel,
        kForm1ClientHeight / kTwipsPerPixel + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

std::function<void()> MainWindow::handlerOf(std::string_view control)
{
    const std::pair<std::string_view, std::function<void()>> handlers[] = {
        { "Command1", [this] { Command1_Click(form_); } },
        { "Command2", [this] { Command2_Click(form_); } },
        { "Command3", [this] { Command3_Click(form_, *screenFirst_); } },
        { "Command4", [this] { Command4_Click(form_); } },
        { "Option3", [this] { Option3_Click(form_, *screenFirst_); } },
        { "Option4", [this] { Option4_Click(form_, *screenFirst_); } },
        { "mnuCalculateItem", [this] { mnuCalculateItem_Click(form_, *screenFirst_); } },
        { "mnuPintItem", [this] { mnuPintItem_Click(form_, *screenFirst_, *screenFirst_); } },
        { "mnuClearItem", [this] { mnuClearItem_Click(form_); } },
        { "mnuExitItem", [this] { mnuExitItem_Click(host_.program); } },
        { "frmMttocmItem", [this] { frmMttocmItem_Click(form_); } },
        { "frmCmtomtItem", [this] { frmCmtomtItem_Click(form_); } },
        { "frmAboutItem", [this] { frmAboutItem_Click(host_.about); } },
    };
    for (const auto& [name, handler] : handlers)
        if (name == control)
            return handler;
    return {};
}

void MainWindow::createMenus()
{
    for (const MenuDesign& menuDesign : kForm1Menus) {
        QMenu* menu = menuBar()->addMenu(toQString(menuDesign.caption));
        menu->setObjectName(toQString(menuDesign.name));
        for (int i = 0; i < menuDesign.itemCount; ++i) {
            const MenuItemDesign& item = menuDesign.items[static_cast<std::size_t>(i)];
            QAction* action = menu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            if (auto handler = handlerOf(item.name))
                connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
        }
    }
}

void MainWindow::wireButtons()
{
    for (const CommandDesign& design : kForm1Commands)
        connect(view_->commandButton(design.control), &QPushButton::clicked, this,
            [this, handler = handlerOf(design.name)] { run(handler); });
    for (const OptionDesign& design : kForm1Options)
        connect(view_->optionButton(design.control), &QRadioButton::clicked, this,
            [this, handler = handlerOf(design.name)] { run(handler); });
}

void MainWindow::run(const std::function<void()>& handler)
{
    handler();
    view_->showModel();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!focusSet_) {
        view_->initialFocus()->setFocus();
        focusSet_ = true;
    }
}

} // namespace corvald::ui::qt
