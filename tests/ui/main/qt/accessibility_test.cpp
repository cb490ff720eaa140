// What a screen reader finds in the main window: every input, result and
// button with its name and role, and the message boxes announced as alerts.
#include "tests/support/fake_about_dialogs.h"
#include "tests/support/fake_program_lifetime.h"
#include "tests/support/fake_window_printer.h"
#include "ui/main/qt/main_window.h"
#include "ui/main/qt/qt_host.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <map>

using namespace corvald;

namespace {

struct Spoken {
    QAccessible::Role role;
    QString description;
};

// Every named element under `node`, by name; a pick list by the label that
// labels it, as screen readers on Linux name it, and without its items.
void collect(QAccessibleInterface* node, std::multimap<QString, Spoken>& found)
{
    if (!node)
        return;
    QString name = node->text(QAccessible::Name);
    if (node->role() == QAccessible::ComboBox) {
        const auto labels = node->relations(QAccessible::Label);
        name = labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }
    if (!name.isEmpty())
        found.insert({ name, { node->role(), node->text(QAccessible::Description) } });
    if (node->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), found);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    ui::Form1 form_;
    ui::qt::QtMessageBoxes messages_;
    fakes::FakeProgramLifetime program_;
    fakes::FakeWindowPrinter printer_ { form_ };
    fakes::FakeAboutDialogs about_;
    ui::Form1Host host_ { messages_, program_, printer_, about_ };

    std::multimap<QString, Spoken> spoken(QWidget& window)
    {
        std::multimap<QString, Spoken> found;
        collect(QAccessible::queryAccessibleInterface(&window), found);
        return found;
    }

    // Whether the window has an element of that name and role (and description).
    static bool find(const std::multimap<QString, Spoken>& found, const char* name,
        QAccessible::Role role, const char* description = "")
    {
        const auto [first, last] = found.equal_range(QString::fromUtf8(name));
        for (auto it = first; it != last; ++it)
            if (it->second.role == role
                && (!*description || it->second.description == QString::fromUtf8(description)))
                return true;
        return false;
    }

private slots:
    void namesEveryInputResultAndButton()
    {
        ui::qt::MainWindow window(form_, host_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        form_.Text1.Text = "1000";
        form_.Combo1.Text = "20.0";
        form_.Combo2.Text = "0.8500";
        QTest::mouseClick(
            window.findChild<QPushButton*>(QStringLiteral("Command3")), Qt::LeftButton);

        const auto found = spoken(window);
        const std::tuple<const char*, QAccessible::Role, const char*> expected[] = {
            { "Volume at observed temp. (m3)", QAccessible::EditableText, "" },
            { "Temperature", QAccessible::ComboBox, "" },
            { "Density (vac.)at 15", QAccessible::ComboBox, "" },
            { "Density (air)  at  15 °C (kg/lit)", QAccessible::StaticText, "0.8489" },
            { "V.C.F.", QAccessible::StaticText, "0.9957" },
            { "Volume at 15 °C (m3)", QAccessible::StaticText, "995.700" },
            { "Tonnes (mt)", QAccessible::StaticText, "846.345" },
            { "mt to m3", QAccessible::Button, "" },
            { "m3 to mt", QAccessible::Button, "" },
            { "CALCULATE", QAccessible::Button, "" },
            { "Clear", QAccessible::Button, "" },
            { "Vacuum", QAccessible::RadioButton, "" },
            { "Air", QAccessible::RadioButton, "" },
        };
        for (const auto& [name, role, description] : expected)
            QVERIFY2(find(found, name, role, description), name);
    }

    void followsTheDirection()
    {
        ui::qt::MainWindow window(form_, host_);
        window.show();
        QTest::mouseClick(
            window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
        const auto found = spoken(window);
        QVERIFY(find(found, "Tonnes (mt)", QAccessible::EditableText));
        QVERIFY(find(found, "Volume at observed temp. (m3)", QAccessible::StaticText));
        QVERIFY(!find(found, "Volume at observed temp. (m3)", QAccessible::EditableText));
    }

    // A message box has the alert role, so screen readers announce it as one.
    void announcesMessageBoxesAsAlerts()
    {
        QAccessible::Role role = QAccessible::NoRole;
        QString name;
        QTimer::singleShot(100, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                QAccessibleInterface* spokenBox = QAccessible::queryAccessibleInterface(box);
                role = spokenBox->role();
                name = spokenBox->text(QAccessible::Name);
                box->close();
            }
        });
        messages_.show("Enter quantity of product.", "Enter Value");
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(name, QStringLiteral("Enter Value"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
