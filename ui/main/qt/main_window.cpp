#include "ui/main/qt/main_window.h"

#include "ui/main/about_item.h"
#include "ui/main/calculation.h"
#include "ui/main/clear.h"
#include "ui/main/direction.h"
#include "ui/main/exit.h"
#include "ui/main/form1_design.h"
#include "ui/main/print.h"
#include "ui/main/qt/form1_view.h"
#include "ui/shared/qt/qt_text.h"

#include <QMenuBar>
#include <QPointer>
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

MainWindow::Handler MainWindow::handlerOf(std::string_view control)
{
    using W = MainWindow;
    static constexpr std::pair<std::string_view, Handler> kHandlers[] = {
        { "Command1", [](W& w) { Command1_Click(w.form_); } },
        { "Command2", [](W& w) { Command2_Click(w.form_); } },
        { "Command3", [](W& w) { Command3_Click(w.form_, *w.screenFirst_); } },
        { "Command4", [](W& w) { Command4_Click(w.form_); } },
        { "Option3", [](W& w) { Option3_Click(w.form_, *w.screenFirst_); } },
        { "Option4", [](W& w) { Option4_Click(w.form_, *w.screenFirst_); } },
        { "mnuCalculateItem", [](W& w) { mnuCalculateItem_Click(w.form_, *w.screenFirst_); } },
        { "mnuPintItem",
            [](W& w) { mnuPintItem_Click(w.form_, *w.screenFirst_, *w.screenFirst_); } },
        { "mnuClearItem", [](W& w) { mnuClearItem_Click(w.form_); } },
        { "mnuExitItem", [](W& w) { mnuExitItem_Click(w.host_.program); } },
        { "frmMttocmItem", [](W& w) { frmMttocmItem_Click(w.form_); } },
        { "frmCmtomtItem", [](W& w) { frmCmtomtItem_Click(w.form_); } },
        { "frmAboutItem", [](W& w) { frmAboutItem_Click(w.host_.about); } },
    };
    for (const auto& [name, handler] : kHandlers)
        if (name == control)
            return handler;
    return nullptr;
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

// A control hidden by the handler (File > Print hides the command buttons) passes
// the focus on; the focus goes back to it once it is shown again.
void MainWindow::run(Handler handler)
{
    const QPointer<QWidget> focused = focusWidget();
    handler(*this);
    view_->showModel();
    if (focused && focused->isVisible() && focused != focusWidget())
        focused->setFocus();
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
