#include "cli/window_calculation.h"

#include "ui/main/calculation.h"
#include "ui/main/direction.h"

namespace corvald::cli {

namespace {

    // The message box of a window without a screen: it keeps the one message of the run.
    class ReportedMessage : public ui::MessageBoxes {
    public:
        void show(std::string_view prompt, std::string_view title) override
        {
            rejection = Rejection { std::string(title), std::string(prompt) };
        }
        std::optional<Rejection> rejection;
    };

    WindowCaptions resultsOf(const ui::Form1& form)
    {
        return { form.Label23.Caption, form.Label10.Caption, form.Label13.Caption,
            form.Label14.Caption, ui::rowCaption(form, ui::kDensityInAirRow),
            ui::rowCaption(form, ui::kFactorRow), ui::rowCaption(form, ui::kVolume15Row),
            ui::rowCaption(form, ui::kResultRow) };
    }

} // namespace

WindowOutcome calculateOnFreshWindow(const WindowInput& input)
{
    ui::Form1 form;
    if (input.direction == Direction::massToVolume)
        ui::Command1_Click(form);
    form.Text1.Text = input.quantity;
    form.Combo1.Text = input.temperature;
    form.Combo2.Text = input.density;
    form.choose(input.basis == Basis::air ? &ui::Form1::Option4 : &ui::Form1::Option3);
    ReportedMessage message;
    ui::Command3_Click(form, message);
    return { message.rejection, resultsOf(form) };
}

ui::RunInputs freshWindowInputs(const WindowInput& input)
{
    static const ui::Form1 fresh;
    return { .quantity = input.quantity,
        .temperature = input.temperature,
        .density = input.density,
        .previousDensityUsed = fresh.Label22.Caption,
        .direction = input.direction,
        .basis = input.basis,
        .messages = ui::MessageSet::standard };
}

} // namespace corvald::cli
