// The main window on fake host services, shown, with helpers that find its
// controls by their names; shared by the QtTest cases that drive real widgets.
#pragma once

#include "tests/support/fake_about_dialogs.h"
#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_program_lifetime.h"
#include "tests/support/fake_window_printer.h"
#include "ui/main/qt/main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace corvald::fakes {

class WindowFixture {
public:
    WindowFixture()
        : printer_(form)
        , host_ { messages, program_, printer_, about_ }
        , window(form, host_)
    {
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    template <class T = QWidget> T* control(const char* name) const
    {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QComboBox* combo(const char* name) const { return control<QComboBox>(name); }
    QLabel* label(const char* name) const { return control<QLabel>(name); }
    QLineEdit* quantity() const { return control<QLineEdit>("Text1"); }

    ui::Form1 form;
    FakeMessageBoxes messages;

private:
    FakeProgramLifetime program_;
    FakeWindowPrinter printer_;
    FakeAboutDialogs about_;
    ui::Form1Host host_;

public:
    ui::qt::MainWindow window;
};

} // namespace corvald::fakes
