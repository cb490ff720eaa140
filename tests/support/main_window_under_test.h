#pragma once

#include "tests/support/fake_about_dialogs.h"
#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_program_lifetime.h"
#include "tests/support/fake_window_printer.h"
#include "ui/main/qt/main_window.h"

#include <QtGlobal>

namespace corvald::testing {

// The real main window over a fresh model, with host services that record
// what they are asked; control() finds a widget by its control name.
struct MainWindowUnderTest {
    ui::Form1 form;
    FakeMessageBoxes messages;
    FakeProgramLifetime program;
    FakeWindowPrinter printer { form };
    FakeAboutDialogs about;
    ui::Form1Host host { messages, program, printer, about };
    ui::qt::MainWindow window { form, host };

    template <class T = QWidget> T* control(const char* name) const
    {
        auto* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
};

} // namespace corvald::testing
