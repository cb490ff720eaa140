#include "ui/main/clear.h"
#include "ui/main/direction.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace corvald::ui {
namespace {

    using Command = std::function<void(Form1&)>;

    std::array<std::string, 4> directionCaptions(const Form1& form)
    {
        return { form.Label1.Caption, form.Label7.Caption, form.Label6.Caption,
            form.Label12.Caption };
    }

    const std::array<std::string, 4> kVolumeState { "Volume at observed temp.", "m3", "Tonnes",
        "mt" };
    const std::array<std::string, 4> kMassState { "Tonnes", "mt", "Volume at observed temp.",
        "m3" };

    Form1 filledForm()
    {
        Form1 form;
        form.Text1.Text = "1000";
        form.Combo1.Text = "20.0";
        form.Combo2.Text = "0.8500";
        form.Label23.Caption = "0.8489";
        form.Label22.Caption = "0.8500";
        form.Label10.Caption = "0.9957";
        form.Label13.Caption = "995.700";
        form.Label14.Caption = "846.345";
        form.choose(&Form1::Option4);
        return form;
    }

    struct DirectionCase {
        const char* name;
        Command command;
        std::array<std::string, 4> state;
        friend void PrintTo(const DirectionCase& c, std::ostream* os) { *os << c.name; }
    };

    class DirectionCommands : public ::testing::TestWithParam<DirectionCase> { };

    TEST_P(DirectionCommands, SetTheirStateFromEitherStateAndEmptyQuantityAndResults)
    {
        for (const Command& before : { Command(Command1_Click), Command(Command2_Click) }) {
            Form1 form = filledForm();
            before(form);
            form.Text1.Text = "1000";
            form.Label13.Caption = "995.700";
            form.Label14.Caption = "846.345";
            GetParam().command(form);
            EXPECT_EQ(directionCaptions(form), GetParam().state);
            EXPECT_EQ(form.Text1.Text, "");
            EXPECT_EQ(form.Label13.Caption, "");
            EXPECT_EQ(form.Label14.Caption, "");
            EXPECT_EQ(form.Combo1.Text, "20.0");
            EXPECT_EQ(form.Combo2.Text, "0.8500");
            EXPECT_EQ(form.Label10.Caption, "0.9957");
            EXPECT_EQ(form.Label23.Caption, "0.8489");
            EXPECT_EQ(form.Label22.Caption, "0.8500");
            EXPECT_TRUE(form.Option4.Value);
            EXPECT_EQ(isMassDirection(form), GetParam().state == kMassState);
        }
    }

    INSTANTIATE_TEST_SUITE_P(ButtonsAndMenu, DirectionCommands,
        ::testing::Values(DirectionCase { "MtToM3Button", Command1_Click, kMassState },
            DirectionCase { "MtToM3Menu", frmMttocmItem_Click, kMassState },
            DirectionCase { "M3ToMtButton", Command2_Click, kVolumeState },
            DirectionCase { "M3ToMtMenu", frmCmtomtItem_Click, kVolumeState }),
        [](const auto& param) { return std::string(param.param.name); });

    struct ClearCase {
        const char* name;
        Command command;
        friend void PrintTo(const ClearCase& c, std::ostream* os) { *os << c.name; }
    };

    class ClearCommands : public ::testing::TestWithParam<ClearCase> { };

    TEST_P(ClearCommands, EmptyInputsAndResultsAndKeepDirectionBasisAndDensityInAir)
    {
        Form1 form = filledForm();
        Command1_Click(form);
        form.Text1.Text = "850";
        GetParam().command(form);
        EXPECT_EQ(form.Text1.Text, "");
        EXPECT_EQ(form.Combo1.Text, "");
        EXPECT_EQ(form.Combo2.Text, "");
        EXPECT_EQ(form.Label10.Caption, "");
        EXPECT_EQ(form.Label13.Caption, "");
        EXPECT_EQ(form.Label14.Caption, "");
        EXPECT_EQ(directionCaptions(form), kMassState);
        EXPECT_EQ(form.Label23.Caption, "0.8489");
        EXPECT_EQ(form.Label22.Caption, "0.8500");
        EXPECT_TRUE(form.Option4.Value);
        EXPECT_FALSE(form.Option3.Value);
    }

    INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, ClearCommands,
        ::testing::Values(
            ClearCase { "Button", Command4_Click }, ClearCase { "Menu", mnuClearItem_Click }),
        [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace corvald::ui
