#include "ui/main/print.h"

#include "ui/main/form1_design.h"
#include "ui/main/form1_rows.h"

#include <array>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace corvald::ui {

namespace {

    constexpr std::string_view kPrinterPrompt = "Check printer";
    constexpr std::string_view kPrinterTitle = "Priter Error";

    using Step = std::function<void()>;

    class PrintFailed : public std::runtime_error {
    public:
        PrintFailed()
            : std::runtime_error("the window picture was not printed")
        {
        }
    };

    constexpr std::array kCommands
        = { &Form1::Command1, &Form1::Command2, &Form1::Command3, &Form1::Command4 };
    // The framed result boxes; the density in air's box is dressed on its own, last.
    constexpr std::array kFramedResults
        = { kFactorRow.result, kVolume15Row.result, kResultRow.result };

    // Every label that stands on the window's background, in design order: all
    // labels of the window's rows (the hidden density used is none of them).
    std::vector<Label Form1::*> backgroundLabels()
    {
        std::vector<Label Form1::*> labels;
        for (const LabelDesign& design : kForm1Labels)
            if (isRowLabel(design.control))
                labels.push_back(design.control);
        return labels;
    }
    constexpr std::array kBackgroundOptions = { &Form1::Option3, &Form1::Option4 };

    // The properties that the print dress changes, with the values of one dress.
    struct Dress {
        SystemColor background;
        bool controlsShown;
        Border border;
        bool copyPickLists; // the print dress shows the pick lists' texts in Label20 and Label21
    };

    constexpr Dress kPrintDress { .background = SystemColor::windowBackground,
        .controlsShown = false,
        .border = Border::none,
        .copyPickLists = true };
    constexpr Dress kNormalDress { .background = SystemColor::buttonFace,
        .controlsShown = true,
        .border = Border::fixedSingle,
        .copyPickLists = false };

    void appendDress(std::vector<Step>& steps, Form1& form, const Dress& dress)
    {
        steps.emplace_back([&form, dress] { form.BackColor = dress.background; });
        for (auto command : kCommands)
            steps.emplace_back(
                [&form, dress, command] { (form.*command).Visible = dress.controlsShown; });
        for (auto result : kFramedResults)
            steps.emplace_back(
                [&form, dress, result] { (form.*result).BorderStyle = dress.border; });
        steps.emplace_back([&form, dress] { form.Text1.BorderStyle = dress.border; });
        if (dress.copyPickLists)
            steps.emplace_back([&form] { form.Label20.Caption = form.Combo1.Text; });
        steps.emplace_back([&form, dress] { form.Combo2.Visible = dress.controlsShown; });
        if (dress.copyPickLists)
            steps.emplace_back([&form] { form.Label21.Caption = form.Combo2.Text; });
        steps.emplace_back([&form, dress] { form.Combo1.Visible = dress.controlsShown; });
        for (auto label : backgroundLabels())
            steps.emplace_back(
                [&form, dress, label] { (form.*label).BackColor = dress.background; });
        for (auto option : kBackgroundOptions)
            steps.emplace_back(
                [&form, dress, option] { (form.*option).BackColor = dress.background; });
        steps.emplace_back(
            [&form, dress] { (form.*kDensityInAirRow.result).BorderStyle = dress.border; });
    }

    std::vector<Step> printSteps(Form1& form, WindowPicturePrinter& printer)
    {
        std::vector<Step> steps;
        appendDress(steps, form, kPrintDress);
        steps.emplace_back([&printer] {
            if (!printer.printWindowPicture())
                throw PrintFailed();
        });
        appendDress(steps, form, kNormalDress);
        return steps;
    }

} // namespace

void mnuPintItem_Click(Form1& form, MessageBoxes& messages, WindowPicturePrinter& printer)
{
    short failures = 0;
    for (const Step& step : printSteps(form, printer)) {
        for (;;) {
            try {
                step();
                break;
            } catch (const std::exception&) {
                messages.show(kPrinterPrompt, kPrinterTitle);
                if (++failures >= 2)
                    break; // skipped: its change is lost
            }
        }
    }
}

} // namespace corvald::ui
