// The main window on real widgets with fake host services, and the steps an
// operator takes in it, for the tests of the window.
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

namespace corvald::tests {

class MainWindowFixture : public QObject {
protected:
    std::unique_ptr<ui::Form1> form_;
    fakes::FakeMessageBoxes messages_;
    fakes::FakeProgramLifetime program_;
    std::unique_ptr<fakes::FakeWindowPrinter> printer_;
    fakes::FakeAboutDialogs about_;
    std::unique_ptr<ui::Form1Host> host_;
    std::unique_ptr<ui::qt::MainWindow> window_;

    template <class T = QWidget> T* control(const char* name) const
    {
        auto* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString caption(const char* label) const { return control<QLabel>(label)->text(); }
    QAction* menuItem(const char* name) const { return control<QAction>(name); }
    QComboBox* combo(const char* name) const { return control<QComboBox>(name); }

    void pick(const char* comboName, const QString& item)
    {
        QComboBox* box = combo(comboName);
        const int index = box->findText(item);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
    }
    void enterAThousandCubicMetresAt20Degrees()
    {
        QLineEdit* quantity = control<QLineEdit>("Text1");
        quantity->setFocus();
        QTest::keyClicks(quantity, QStringLiteral("1000"));
        pick("Combo1", QStringLiteral("20.0"));
        pick("Combo2", QStringLiteral("0.8500"));
    }
    // Clicks near the left edge, where an option button has its mark.
    void click(const char* name)
    {
        QWidget* widget = control(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }

    void openWindow()
    {
        form_ = std::make_unique<ui::Form1>();
        messages_.shown.clear();
        program_.endRequests = 0;
        printer_ = std::make_unique<fakes::FakeWindowPrinter>(*form_);
        host_ = std::make_unique<ui::Form1Host>(
            ui::Form1Host { messages_, program_, *printer_, about_ });
        window_ = std::make_unique<ui::qt::MainWindow>(*form_, *host_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void closeWindow() { window_.reset(); }
};

} // namespace corvald::tests
