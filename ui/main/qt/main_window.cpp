#include "ui/main/qt/main_window.h"

#include "ui/main/form1_design.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/menu_keys.h"
#include "ui/shared/qt/design_geometry.h"
#include "ui/shared/qt/qt_text.h"

#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace corvald::ui::qt {

// The host services that show something, handed the screen up to date with the model.
class MainWindow::ScreenFirstHost : public MessageBoxes, public WindowPicturePrinter {
public:
    ScreenFirstHost(Form1Host& host, Form1View& view)
        : host_(host)
        , view_(view)
    {
    }
    void show(std::string_view prompt, std::string_view title) override
    {
        view_.showModel();
        host_.messages.show(prompt, title);
    }
    bool printWindowPicture() override
    {
        view_.showModel();
        return host_.printer.printWindowPicture();
    }

private:
    Form1Host& host_;
    Form1View& view_;
};

MainWindow::MainWindow(Form1& form, Form1Host& host)
    : form_(form)
    , view_(new Form1View(form, this))
    , screenFirst_(std::make_unique<ScreenFirstHost>(host, *view_))
    , screenHost_ { *screenFirst_, host.program, *screenFirst_, host.about }
{
    setWindowTitle(toQString(form_.Caption));
    setCentralWidget(view_);
    createMenus();
    reachMenusByF10(*menuBar());
    wireButtons();
    resize(kForm1ClientWidth / kTwipsPerPixel,
        kForm1ClientHeight / kTwipsPerPixel + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow() = default;

void MainWindow::createMenus()
{
    for (const MenuDesign& menuDesign : kForm1Menus) {
        QMenu* menu = menuBar()->addMenu(toQString(menuDesign.caption));
        menu->setObjectName(toQString(menuDesign.name));
        for (int i = 0; i < menuDesign.itemCount; ++i) {
            const MenuItemDesign& item = menuDesign.items[static_cast<std::size_t>(i)];
            QAction* action = menu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            connect(action, &QAction::triggered, this, [this, click = item.click] { run(click); });
        }
    }
}

void MainWindow::wireButtons()
{
    for (const CommandDesign& design : kForm1Commands)
        connect(view_->commandButton(design.control), &QPushButton::clicked, this,
            [this, click = design.click] { run(click); });
    for (const OptionDesign& design : kForm1Options)
        connect(view_->optionButton(design.control), &QRadioButton::clicked, this,
            [this, click = design.click] { run(click); });
}

// A control hidden by the handler (File > Print hides the command buttons) passes
// the focus on; the focus goes back to it once it is shown again.
void MainWindow::run(ClickHandler click)
{
    const QPointer<QWidget> focused = focusWidget();
    click(form_, screenHost_);
    view_->showModel();
    if (focused && focused->isVisible() && focused != focusWidget())
        focused->setFocus();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!focusSet_) {
        // Some styles give the menu bar a pixel more than its size hint: the
        // client area opens at its design size whatever the style.
        const QSize design(kForm1ClientWidth / kTwipsPerPixel, kForm1ClientHeight / kTwipsPerPixel);
        if (view_->size() != design)
            resize(size() + design - view_->size());
        view_->initialFocus()->setFocus();
        focusSet_ = true;
    }
}

} // namespace corvald::ui::qt
