#include "ui/main/form1.h"
#include "ui/main/form1_design.h"

#include <gtest/gtest.h>

#include <set>

namespace corvald::ui {
namespace {

    TEST(Form1, StartsAsDesigned)
    {
        const Form1 form;
        EXPECT_EQ(form.Caption, "CORVALD  Cruide Oils");
        EXPECT_EQ(form.Text1.Text, "");
        EXPECT_EQ(form.Combo1.Text, "");
        EXPECT_EQ(form.Combo2.Text, "");
        for (const Label* result : { &form.Label23, &form.Label10, &form.Label13, &form.Label14 }) {
            EXPECT_EQ(result->Caption, "");
            EXPECT_EQ(result->BorderStyle, Border::fixedSingle);
        }
        EXPECT_TRUE(form.Option3.Value);
        EXPECT_FALSE(form.Option4.Value);
        EXPECT_EQ(form.Label1.Caption, "Volume at observed temp.");
        EXPECT_EQ(form.Label7.Caption, "m3");
        EXPECT_EQ(form.Label6.Caption, "Tonnes");
        EXPECT_EQ(form.Label12.Caption, "mt");
        EXPECT_EQ(form.Label22.Caption, "Label22");
        EXPECT_FALSE(form.Label22.Visible);
        EXPECT_EQ(form.Label3.Caption, "Density (vac.)at 15");
        EXPECT_EQ(form.Label24.Caption, "Density (air)  at  15");
        EXPECT_EQ(form.Label5.Caption, "Volume at 15 ");
        EXPECT_EQ(form.Command3.Caption, "CALCULATE");
        EXPECT_EQ(form.BackColor, SystemColor::buttonFace);
    }

    TEST(Form1, ChoosingOneOptionClearsTheOther)
    {
        Form1 form;
        form.choose(&Form1::Option4);
        EXPECT_FALSE(form.Option3.Value);
        EXPECT_TRUE(form.Option4.Value);
        form.choose(&Form1::Option3);
        EXPECT_TRUE(form.Option3.Value);
        EXPECT_FALSE(form.Option4.Value);
    }

    TEST(Form1Design, NamesEveryLabelOnceAndInOrder)
    {
        const Form1 form;
        std::set<const Label*> members;
        for (std::size_t i = 0; i < kForm1Labels.size(); ++i) {
            EXPECT_EQ(kForm1Labels[i].name, "Label" + std::to_string(i + 1));
            members.insert(&(form.*kForm1Labels[i].control));
        }
        EXPECT_EQ(members.size(), kForm1Labels.size());
    }

    TEST(Form1Design, KeepsEveryControlInsideTheClientArea)
    {
        const auto inside = [](const Rect& r) {
            return r.left >= 0 && r.top >= 0 && r.left + r.width <= kForm1ClientWidth
                && r.top + r.height <= kForm1ClientHeight;
        };
        for (const auto& label : kForm1Labels)
            EXPECT_TRUE(inside(label.rect)) << label.name;
        for (const auto& command : kForm1Commands)
            EXPECT_TRUE(inside(command.rect)) << command.name;
        EXPECT_TRUE(inside(kText1Design.rect));
    }

} // namespace
} // namespace corvald::ui
