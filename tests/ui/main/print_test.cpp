#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_window_printer.h"
#include "ui/main/calculation.h"
#include "ui/main/direction.h"
#include "ui/main/print.h"

#include <gtest/gtest.h>

namespace corvald::ui {
namespace {

    using fakes::FakeMessageBoxes;
    using fakes::FakeWindowPrinter;
    using fakes::ShownMessage;

    const ShownMessage kCheckPrinter { "Check printer", "Priter Error" };

    std::vector<const Label*> backgroundLabels(const Form1& f)
    {
        return { &f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5, &f.Label6, &f.Label7,
            &f.Label8, &f.Label9, &f.Label10, &f.Label11, &f.Label12, &f.Label13, &f.Label14,
            &f.Label15, &f.Label16, &f.Label17, &f.Label18, &f.Label19, &f.Label20, &f.Label21,
            &f.Label23, &f.Label24, &f.Label25, &f.Label26 };
    }

    std::vector<const Label*> framedLabels(const Form1& f)
    {
        return { &f.Label10, &f.Label13, &f.Label14, &f.Label23 };
    }

    void expectPrintDress(const Form1& page)
    {
        EXPECT_EQ(page.BackColor, SystemColor::windowBackground);
        for (const CommandButton* button :
            { &page.Command1, &page.Command2, &page.Command3, &page.Command4 })
            EXPECT_FALSE(button->Visible) << button->Caption;
        EXPECT_FALSE(page.Combo1.Visible);
        EXPECT_FALSE(page.Combo2.Visible);
        for (const Label* label : framedLabels(page))
            EXPECT_EQ(label->BorderStyle, Border::none);
        EXPECT_EQ(page.Text1.BorderStyle, Border::none);
        for (const Label* label : backgroundLabels(page))
            EXPECT_EQ(label->BackColor, SystemColor::windowBackground);
        EXPECT_EQ(page.Option3.BackColor, SystemColor::windowBackground);
        EXPECT_EQ(page.Option4.BackColor, SystemColor::windowBackground);
        EXPECT_FALSE(page.Label22.Visible);
    }

    void expectNormalDress(const Form1& form)
    {
        EXPECT_EQ(form.BackColor, SystemColor::buttonFace);
        for (const CommandButton* button :
            { &form.Command1, &form.Command2, &form.Command3, &form.Command4 })
            EXPECT_TRUE(button->Visible);
        EXPECT_TRUE(form.Combo1.Visible);
        EXPECT_TRUE(form.Combo2.Visible);
        for (const Label* label : framedLabels(form))
            EXPECT_EQ(label->BorderStyle, Border::fixedSingle);
        EXPECT_EQ(form.Text1.BorderStyle, Border::fixedSingle);
        for (const Label* label : backgroundLabels(form))
            EXPECT_EQ(label->BackColor, SystemColor::buttonFace);
        EXPECT_EQ(form.Option3.BackColor, SystemColor::buttonFace);
        EXPECT_EQ(form.Option4.BackColor, SystemColor::buttonFace);
    }

    class Print : public ::testing::Test {
    protected:
        void calculateAThousandCubicMetres()
        {
            form.Text1.Text = "1000";
            form.Combo1.Text = "20.0";
            form.Combo2.Text = "0.8500";
            Command3_Click(form, messages);
        }
        void print(FakeWindowPrinter& printer) { mnuPintItem_Click(form, messages, printer); }

        Form1 form;
        FakeMessageBoxes messages;
    };

    TEST_F(Print, PrintsThePictureInThePrintDressAndRestoresTheWindow)
    {
        calculateAThousandCubicMetres();
        FakeWindowPrinter printer(form);
        print(printer);
        ASSERT_EQ(printer.pages.size(), 1u);
        const Form1& page = printer.pages.front();
        expectPrintDress(page);
        EXPECT_EQ(page.Label20.Caption, "20.0");
        EXPECT_EQ(page.Label21.Caption, "0.8500");
        EXPECT_EQ(page.Label14.Caption, "846.345");
        EXPECT_TRUE(messages.shown.empty());
        expectNormalDress(form);
        EXPECT_EQ(form.Label20.Caption, "20.0");
        EXPECT_EQ(form.Label21.Caption, "0.8500");
    }

    TEST_F(Print, PrintsAnEmptyWindowAsItStands)
    {
        FakeWindowPrinter printer(form);
        print(printer);
        ASSERT_EQ(printer.pages.size(), 1u);
        EXPECT_EQ(printer.pages.front().Label20.Caption, "");
        EXPECT_EQ(printer.pages.front().Label10.Caption, "");
        EXPECT_TRUE(messages.shown.empty());
    }

    TEST_F(Print, PrintsTheCaptionsOfTheMassDirectionAndTypedTexts)
    {
        Command1_Click(form);
        form.Combo1.Text = "21.37";
        FakeWindowPrinter printer(form);
        print(printer);
        const Form1& page = printer.pages.at(0);
        EXPECT_EQ(page.Label1.Caption, "Tonnes");
        EXPECT_EQ(page.Label7.Caption, "mt");
        EXPECT_EQ(page.Label6.Caption, "Volume at observed temp.");
        EXPECT_EQ(page.Label12.Caption, "m3");
        EXPECT_EQ(page.Label20.Caption, "21.37");
    }

    TEST_F(Print, WithoutAPrinterSaysCheckPrinterTwiceAndRestoresTheWindow)
    {
        calculateAThousandCubicMetres();
        FakeWindowPrinter printer(form, FakeWindowPrinter::kAlwaysFails);
        print(printer);
        EXPECT_EQ(messages.shown, (std::vector<ShownMessage> { kCheckPrinter, kCheckPrinter }));
        EXPECT_EQ(printer.attempts, 2);
        EXPECT_TRUE(printer.pages.empty());
        expectNormalDress(form);
    }

    TEST_F(Print, APrinterThatFailsOnceGivesOneMessageThenThePage)
    {
        FakeWindowPrinter printer(form, 1);
        print(printer);
        EXPECT_EQ(messages.shown, (std::vector<ShownMessage> { kCheckPrinter }));
        ASSERT_EQ(printer.pages.size(), 1u);
        expectPrintDress(printer.pages.front());
        expectNormalDress(form);
    }

    TEST_F(Print, EachPrintCommandHasItsOwnRetry)
    {
        FakeWindowPrinter printer(form, 2);
        print(printer);
        EXPECT_EQ(messages.shown.size(), 2u);
        EXPECT_TRUE(printer.pages.empty());
        printer.failuresLeft = 1;
        print(printer);
        EXPECT_EQ(messages.shown.size(), 3u);
        EXPECT_EQ(printer.pages.size(), 1u);
        print(printer);
        EXPECT_EQ(messages.shown.size(), 3u);
        EXPECT_EQ(printer.pages.size(), 2u);
    }

} // namespace
} // namespace corvald::ui
