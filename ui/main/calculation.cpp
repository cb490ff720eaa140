#include "ui/main/calculation.h"

#include "ui/main/direction.h"

namespace corvald::ui {

namespace {

    RunInputs inputsOf(const Form1& form, MessageSet set)
    {
        return { .quantity = form.Text1.Text,
            .temperature = form.Combo1.Text,
            .density = form.Combo2.Text,
            .previousDensityUsed = form.Label22.Caption,
            .direction = isMassDirection(form) ? Direction::massToVolume : Direction::volumeToMass,
            .basis = form.Option3.Value ? Basis::vacuum : Basis::air,
            .messages = set };
    }

    void writeIfGiven(std::string& caption, std::optional<std::string>& text)
    {
        if (text)
            caption = std::move(*text);
    }

    void writeCaptions(Form1& form, RunCaptions& run)
    {
        writeIfGiven(form.Label23.Caption, run.densityInAir);
        if (run.densityUsed == DensityUsed::entered)
            form.Label22.Caption = form.Combo2.Text;
        else if (run.densityUsed == DensityUsed::inAir)
            form.Label22.Caption = form.Label23.Caption;
        writeIfGiven(form.Label10.Caption, run.factor);
        writeIfGiven(form.Label13.Caption, run.volume15);
        writeIfGiven(form.Label14.Caption, run.result);
    }

} // namespace

void RunCalculation(Form1& form, MessageBoxes& messages, MessageSet set)
{
    RunCaptions run = calculationRun(inputsOf(form, set));
    writeCaptions(form, run);
    if (run.message)
        messages.show(run.message->prompt, run.message->title);
}

void Command3_Click(Form1& form, MessageBoxes& messages)
{
    RunCalculation(form, messages, MessageSet::standard);
}

void Option3_Click(Form1& form, MessageBoxes& messages)
{
    RunCalculation(form, messages, MessageSet::standard);
}

void Option4_Click(Form1& form, MessageBoxes& messages)
{
    RunCalculation(form, messages, MessageSet::standard);
}

void mnuCalculateItem_Click(Form1& form, MessageBoxes& messages)
{
    RunCalculation(form, messages, MessageSet::menu);
}

} // namespace corvald::ui
