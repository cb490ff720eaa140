// What a screen reader finds in the main window: every input by its caption and
// unit, every result by its caption, value and unit, every button, nothing that
// only decorates, and the message boxes announced as alerts.
#include "tests/support/fake_about_dialogs.h"
#include "tests/support/fake_program_lifetime.h"
#include "tests/support/fake_window_printer.h"
#include "ui/main/qt/form1_view.h"
#include "ui/main/qt/main_window.h"
#include "ui/main/qt/qt_host.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <map>

using namespace corvald;

namespace {

// Every named element under `node`, by name; a pick list by the label that
// labels it, as screen readers on Linux name it, and without its items.
void collect(QAccessibleInterface* node, std::multimap<QString, QAccessible::Role>& found)
{
    if (!node)
        return;
    QString name = node->text(QAccessible::Name);
    if (node->role() == QAccessible::ComboBox) {
        const auto labels = node->relations(QAccessible::Label);
        name = labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
    }
    if (!name.isEmpty())
        found.insert({ name, node->role() });
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

    std::multimap<QString, QAccessible::Role> spoken(QWidget& window)
    {
        std::multimap<QString, QAccessible::Role> found;
        collect(QAccessible::queryAccessibleInterface(&window), found);
        return found;
    }

    // Whether the window has an element of that name and role.
    static bool find(const std::multimap<QString, QAccessible::Role>& found, const char* name,
        QAccessible::Role role)
    {
        const auto [first, last] = found.equal_range(QString::fromUtf8(name));
        return std::any_of(
            first, last, [role](const auto& element) { return element.second == role; });
    }

    // Object names of every element under `node` that screen readers can reach.
    static void collectObjects(QAccessibleInterface* node, QStringList& names)
    {
        if (!node)
            return;
        if (node->object())
            names.append(node->object()->objectName());
        for (int i = 0; i < node->childCount(); ++i)
            collectObjects(node->child(i), names);
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
        const std::pair<const char*, QAccessible::Role> expected[] = {
            { "Volume at observed temp. (m3)", QAccessible::EditableText },
            { "Temperature (°C)", QAccessible::ComboBox },
            { "Density (vac.)at 15 °C (kg/lit)", QAccessible::ComboBox },
            { "Density (air)  at  15 °C: 0.8489 kg/lit", QAccessible::StaticText },
            { "V.C.F.: 0.9957", QAccessible::StaticText },
            { "Volume at 15 °C: 995.700 m3", QAccessible::StaticText },
            { "Tonnes: 846.345 mt", QAccessible::StaticText },
            { "Volume at 15 °C", QAccessible::StaticText },
            { "Density (air)  at  15 °C", QAccessible::StaticText },
            { "mt to m3", QAccessible::Button },
            { "m3 to mt", QAccessible::Button },
            { "CALCULATE", QAccessible::Button },
            { "Clear", QAccessible::Button },
            { "Vacuum", QAccessible::RadioButton },
            { "Air", QAccessible::RadioButton },
        };
        for (const auto& [name, role] : expected)
            QVERIFY2(find(found, name, role), name);
    }

    // The degree signs drawn beside the captions, the holders under the pick
    // lists and the hidden density used are no part of what is read out.
    void passesOverDecorationsAndHolders()
    {
        ui::qt::MainWindow window(form_, host_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList reachable;
        collectObjects(QAccessible::queryAccessibleInterface(&window), reachable);
        for (const char* unspoken : { "Label8", "Label15", "Label16", "Label17", "Label18",
                 "Label19", "Label20", "Label21", "Label22", "Label25", "Label26" })
            QVERIFY2(!reachable.contains(QLatin1String(unspoken)), unspoken);
        for (const char* spokenControl : { "Label1", "Label7", "Label10", "Label23", "Text1",
                 "Combo1", "Combo2", "Option3", "Command4" })
            QVERIFY2(reachable.contains(QLatin1String(spokenControl)), spokenControl);

        // Each element knows its place among its parent's children, as the
        // screen reader's bus asks it.
        QAccessibleInterface* client = QAccessible::queryAccessibleInterface(&window.view());
        QVERIFY(client->childCount() > 0);
        for (int i = 0; i < client->childCount(); ++i) {
            QAccessibleInterface* child = client->child(i);
            QCOMPARE(client->indexOfChild(child), i);
            QCOMPARE(child->parent(), client);
        }
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
