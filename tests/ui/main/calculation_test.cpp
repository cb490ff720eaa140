#include "tests/support/fake_message_boxes.h"
#include "ui/main/calculation.h"
#include "ui/main/direction.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvald::ui {
namespace {

    using fakes::FakeMessageBoxes;
    using fakes::ShownMessage;

    using Trigger = std::function<void(Form1&, MessageBoxes&)>;

    const ShownMessage kEmptyQuantity { "Enter quantity of product.", "Enter Value" };
    const ShownMessage kEmptyTemperature { "Enter temperature from -18 to +95. Celsium degrees.",
        "Enter Value" };
    const ShownMessage kEmptyTemperatureMenuMass {
        "Enter temperature from -18 to +95.Celsium degrees.", "Enter Value"
    };
    const ShownMessage kBadQuantity { "Enter quantity of product.", "Check inputed value" };
    const ShownMessage kColdTemperature { "Enter temperature from -18 to +95 Celsium degrees.",
        "Check inputed value" };
    const ShownMessage kBadTemperature { "Enter temperature from -18 to +95. Celsium degrees.",
        "Check inputed value" };
    const ShownMessage kBadDensity { "Ente density from 0.610 to 1.075", "Check inputed value" };
    const ShownMessage kBadDensityMenu { "Ente density from 0.650 to 1.075",
        "Check inputed value" };

    class Calculation : public ::testing::Test {
    protected:
        void enter(
            const std::string& quantity, const std::string& temperature, const std::string& density)
        {
            form.Text1.Text = quantity;
            form.Combo1.Text = temperature;
            form.Combo2.Text = density;
        }
        void chooseAir() { form.choose(&Form1::Option4); }
        void button() { Command3_Click(form, messages); }
        void menu() { mnuCalculateItem_Click(form, messages); }
        std::vector<std::string> results() const
        {
            return { form.Label23.Caption, form.Label10.Caption, form.Label13.Caption,
                form.Label14.Caption };
        }
        void expectOnlyMessage(const ShownMessage& expected)
        {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown.front(), expected);
        }

        Form1 form;
        FakeMessageBoxes messages;
    };

    TEST_F(Calculation, AThousandCubicMetresAt20DegreesOfDensityPoint85InVacuum)
    {
        enter("1000", "20.0", "0.8500");
        button();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(form.Label22.Caption, "0.8500");
        EXPECT_EQ(
            results(), (std::vector<std::string> { "0.8489", "0.9957", "995.700", "846.345" }));
    }

    TEST_F(Calculation, AThousandCubicMetresInAirUseTheDensityInAirForFactorAndMass)
    {
        enter("1000", "20.0", "0.8500");
        chooseAir();
        button();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(form.Label22.Caption, "0.8489");
        EXPECT_EQ(
            results(), (std::vector<std::string> { "0.8489", "0.9957", "995.700", "845.250" }));
    }

    TEST_F(Calculation, EightHundredFiftyTonnesAt20DegreesAreAThousandCubicMetresAt15)
    {
        Command1_Click(form);
        enter("850", "20.0", "0.8500");
        button();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(
            results(), (std::vector<std::string> { "0.8489", "0.9957", "1,000.000", "1,004.319" }));
    }

    TEST_F(Calculation, TheMassInAirOfAThousandCubicMetresGivesThemBack)
    {
        Command1_Click(form);
        enter("845.25", "20.0", "0.8500");
        chooseAir();
        button();
        EXPECT_EQ(
            results(), (std::vector<std::string> { "0.8489", "0.9957", "995.700", "1,000.000" }));
    }

    TEST_F(Calculation, AllFourTriggersRunTheSameSequence)
    {
        const Trigger triggers[]
            = { Command3_Click, Option3_Click, Option4_Click, mnuCalculateItem_Click };
        for (const auto& trigger : triggers) {
            Form1 fresh;
            fresh.Text1.Text = "1000";
            fresh.Combo1.Text = "20.0";
            fresh.Combo2.Text = "0.8500";
            trigger(fresh, messages);
            EXPECT_EQ(fresh.Label14.Caption, "846.345");
        }
        EXPECT_TRUE(messages.shown.empty());
    }

    TEST_F(Calculation, ResultsOfAThousandOrMoreAreGrouped)
    {
        enter("20000", "15.0", "0.8500");
        button();
        EXPECT_EQ(form.Label10.Caption, "1.0000");
        EXPECT_EQ(form.Label13.Caption, "20,000.000");
        EXPECT_EQ(form.Label14.Caption, "17,000.000");
    }

    TEST_F(Calculation, AQuantityOfZeroGivesZeroVolumeAndMass)
    {
        enter("0", "20.0", "0.8500");
        button();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(form.Label13.Caption, "0.000");
        EXPECT_EQ(form.Label14.Caption, "0.000");
    }

    TEST_F(Calculation, TheDensityBoundsAndTheLowestTemperatureAreAccepted)
    {
        for (const char* density : { "1.075", "0.610", "0.7000", "1.0749" }) {
            enter("1000", "-18.0", density);
            button();
            EXPECT_TRUE(messages.shown.empty()) << density;
        }
        EXPECT_EQ(form.Label10.Caption, "1.0174");
    }

    TEST_F(Calculation, ATemperatureAboveNinetyFiveIsComputed)
    {
        enter("1000", "120", "0.8500");
        button();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(form.Label10.Caption, "0.9088");
    }

    TEST_F(Calculation, TypedInputsMayCarryBlanksASignOrAnExponent)
    {
        enter(" 1000 ", "+20", "8.5E-01");
        button();
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(form.Label14.Caption, "846.345");
    }

    // The checks in the order of the run: the density first, then the empty
    // quantity, the empty temperature, the quantity, the temperature, the density range.
    struct Rejection {
        const char* name;
        const char* quantity;
        const char* temperature;
        const char* density;
        bool massDirection;
        ShownMessage standard;
        ShownMessage menu;
        friend void PrintTo(const Rejection& r, std::ostream* os) { *os << r.name; }
    };

    class Rejections : public Calculation, public ::testing::WithParamInterface<Rejection> { };

    // The button and both option buttons word their messages alike; File >
    // Calculate words two of them its own way.
    TEST_P(Rejections, ShowTheirMessageFromButtonsOptionsAndMenu)
    {
        const Rejection& r = GetParam();
        const struct {
            const char* name;
            Trigger trigger;
            OptionButton Form1::*chosen;
            const ShownMessage& expected;
        } runs[] = {
            { "CALCULATE", Command3_Click, &Form1::Option3, r.standard },
            { "Vacuum", Option3_Click, &Form1::Option3, r.standard },
            { "Air", Option4_Click, &Form1::Option4, r.standard },
            { "File > Calculate", mnuCalculateItem_Click, &Form1::Option3, r.menu },
        };
        for (const auto& run : runs) {
            SCOPED_TRACE(run.name);
            form = Form1();
            messages.shown.clear();
            if (r.massDirection)
                Command1_Click(form);
            enter(r.quantity, r.temperature, r.density);
            form.choose(run.chosen);
            run.trigger(form, messages);
            expectOnlyMessage(run.expected);
        }
    }

    INSTANTIATE_TEST_SUITE_P(InOrderOfChecks, Rejections,
        ::testing::Values(Rejection { "AllEmpty", "", "", "", false, kBadDensity, kBadDensityMenu },
            Rejection {
                "DensityNoNumber", "1000", "20.0", "heavy", false, kBadDensity, kBadDensityMenu },
            Rejection {
                "DensityBlanks", "1000", "20.0", "   ", true, kBadDensity, kBadDensityMenu },
            Rejection { "EmptyQuantityBeforeEmptyTemperature", "", "", "0.8500", false,
                kEmptyQuantity, kEmptyQuantity },
            Rejection { "EmptyQuantityBeforeBadQuantity", "", "-5", "0.8500", true, kEmptyQuantity,
                kEmptyQuantity },
            Rejection { "EmptyTemperature", "1000", "", "0.8500", false, kEmptyTemperature,
                kEmptyTemperature },
            Rejection { "EmptyTemperatureFromAMass", "850", "", "0.8500", true, kEmptyTemperature,
                kEmptyTemperatureMenuMass },
            Rejection {
                "NegativeQuantity", "-1", "20.0", "0.8500", false, kBadQuantity, kBadQuantity },
            Rejection {
                "QuantityNoNumber", "lots", "20.0", "0.8500", false, kBadQuantity, kBadQuantity },
            Rejection {
                "QuantityBlanks", "   ", "20.0", "0.8500", true, kBadQuantity, kBadQuantity },
            Rejection { "QuantityBeforeTemperature", "-1", "-30", "1.2", false, kBadQuantity,
                kBadQuantity },
            Rejection { "TemperatureBelowRange", "1000", "-18.1", "0.8500", false, kColdTemperature,
                kColdTemperature },
            Rejection { "TemperatureNoNumber", "1000", "warm", "0.8500", true, kBadTemperature,
                kBadTemperature },
            Rejection { "TemperatureBeforeDensityRange", "1000", "-20", "1.08", false,
                kColdTemperature, kColdTemperature },
            Rejection {
                "DensityAboveRange", "1000", "20.0", "1.08", false, kBadDensity, kBadDensity },
            Rejection { "DensityAboveRangeFromAMass", "850", "20.0", "1.0751", true, kBadDensity,
                kBadDensity },
            Rejection {
                "DensityBelowRange", "1000", "20.0", "0.5", false, kBadDensity, kBadDensity },
            Rejection { "DensityZero", "1000", "20.0", "0", true, kBadDensity, kBadDensity },
            Rejection {
                "DensityNegative", "1000", "20.0", "-0.85", false, kBadDensity, kBadDensity }),
        [](const auto& param) { return std::string(param.param.name); });

    TEST_F(Calculation, ARejectedDensityStillShowsTheDensityInAirAndTheDensityUsed)
    {
        enter("1000", "20.0", "1.08");
        button();
        EXPECT_EQ(form.Label23.Caption, "1.0789");
        EXPECT_EQ(form.Label22.Caption, "1.08");
        EXPECT_EQ(form.Label10.Caption, "");
    }

    TEST_F(Calculation, AnUnreadableDensityChangesNoCaption)
    {
        enter("", "", "0.8500");
        button();
        enter("1000", "20.0", "x");
        button();
        EXPECT_EQ(form.Label23.Caption, "0.8489");
        EXPECT_EQ(form.Label22.Caption, "0.8500");
    }

    // A density of zero or below leaves the density used as it was; it is rejected
    // rather than computed with the previous run's density.
    TEST_F(Calculation, ADensityOfZeroIsRejectedAndKeepsTheDensityUsed)
    {
        enter("1000", "20.0", "0.9000");
        button();
        enter("1000", "20.0", "0");
        button();
        expectOnlyMessage(kBadDensity);
        EXPECT_EQ(form.Label23.Caption, "-0.0011");
        EXPECT_EQ(form.Label22.Caption, "0.9000");
    }

    // Below 0.610 kg/litre the factor would be exactly 1 at every temperature.
    TEST_F(Calculation, ADensityUsedBelowTheFactorsRangeIsRejected)
    {
        enter("1000", "20.0", "0.611");
        chooseAir();
        button();
        expectOnlyMessage(kBadDensity);
        EXPECT_EQ(form.Label22.Caption, "0.6099");
        EXPECT_EQ(form.Label10.Caption, "");
    }

    TEST_F(Calculation, TheSmallestDensityInAirIsRejectedBeforeAnyDivision)
    {
        Command1_Click(form);
        enter("850", "20.0", "0.0011");
        chooseAir();
        menu();
        expectOnlyMessage(kBadDensity);
        EXPECT_EQ(form.Label22.Caption, "0");
    }

    TEST_F(Calculation, AFailureAfterTheFactorLeavesTheRawTextsOfTheStepsDone)
    {
        enter("1.79E+308", "-18.0", "0.8500");
        button();
        expectOnlyMessage(kBadDensity);
        EXPECT_EQ(form.Label10.Caption, "1.02779311465648");
        EXPECT_EQ(form.Label13.Caption, "");
    }

    // Found by fuzzing: the largest quantity gives a volume whose text would not read back.
    TEST_F(Calculation, AVolumeBeyondTheDoubleRangeIsAFailureOfTheStep)
    {
        enter("1.7976931348623157E+308", "15.0", "0.8500");
        button();
        expectOnlyMessage(kBadDensity);
        EXPECT_EQ(form.Label10.Caption, "1");
        EXPECT_EQ(form.Label13.Caption, "");
    }

    TEST_F(Calculation, AnOverflowFromTheMenuShowsTheMenusDensityMessage)
    {
        Command1_Click(form);
        enter("1.6E+308", "95", "0.9");
        menu();
        expectOnlyMessage(kBadDensityMenu);
        EXPECT_EQ(form.Label13.Caption, "1.77777777777778E+308");
        EXPECT_EQ(form.Label14.Caption, "");
    }

    TEST_F(Calculation, ACaptionOtherThanExactlyMtMeansAVolumeIsEntered)
    {
        form.Label7.Caption = "MT";
        enter("1000", "20.0", "0.8500");
        button();
        EXPECT_EQ(form.Label14.Caption, "846.345");
    }

    TEST_F(Calculation, ARejectionKeepsTheResultsOfThePreviousRun)
    {
        enter("1000", "20.0", "0.8500");
        button();
        enter("1000", "-30", "0.9000");
        button();
        EXPECT_EQ(form.Label23.Caption, "0.8989");
        EXPECT_EQ(form.Label22.Caption, "0.9000");
        EXPECT_EQ(form.Label10.Caption, "0.9957");
        EXPECT_EQ(form.Label14.Caption, "846.345");
    }

} // namespace
} // namespace corvald::ui
