// A sequence of window commands in any order: edits, the calculation from any
// trigger, direction, clear, and print against a printer that fails or works.
// After each command: at most one message box (two for a print whose printer
// fails), the direction intact, the window in its normal dress after a print,
// and a computed run's captions consistent with its inputs.
#include "fuzz/fuzzed_input.h"
#include "fuzz/result_checks.h"
#include "tests/support/fake_message_boxes.h"
#include "tests/support/fake_window_printer.h"
#include "ui/main/clear.h"
#include "ui/main/print.h"

#include <cstdlib>

namespace {

using namespace corvald;

void require(bool holds)
{
    if (!holds)
        std::abort();
}

bool inNormalDress(const ui::Form1& form)
{
    return form.BackColor == ui::SystemColor::buttonFace && form.Command1.Visible
        && form.Command3.Visible && form.Combo1.Visible && form.Combo2.Visible
        && form.Text1.BorderStyle == ui::Border::fixedSingle
        && form.Label10.BorderStyle == ui::Border::fixedSingle
        && form.Label23.BorderStyle == ui::Border::fixedSingle
        && form.Label1.BackColor == ui::SystemColor::buttonFace
        && form.Option4.BackColor == ui::SystemColor::buttonFace;
}

void calculate(ui::Form1& form, unsigned trigger)
{
    fakes::FakeMessageBoxes messages;
    fuzz::runCalculationTrigger(form, messages, trigger);
    require(messages.shown.size() <= 1);
    require(!messages.shown.empty() || fuzz::computedRunHolds(form));
}

void print(ui::Form1& form, unsigned failures)
{
    fakes::FakeMessageBoxes messages;
    fakes::FakeWindowPrinter printer(form, static_cast<int>(failures % 4) - 1);
    ui::mnuPintItem_Click(form, messages, printer);
    require(messages.shown.size() <= 2 && printer.pages.size() <= 1);
    require(inNormalDress(form));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzedInput input(data, size);
    ui::Form1 form;
    while (!input.empty()) {
        const std::uint8_t command = input.byte();
        switch (command % 9) {
        case 0:
            form.Text1.Text = input.text();
            break;
        case 1:
            form.Combo1.Text = input.text();
            break;
        case 2:
            form.Combo2.Text = input.text();
            break;
        case 3:
            calculate(form, command / 9);
            break;
        case 4:
            (command & 16 ? ui::Command1_Click : ui::frmMttocmItem_Click)(form);
            break;
        case 5:
            (command & 16 ? ui::Command2_Click : ui::frmCmtomtItem_Click)(form);
            break;
        case 6:
            (command & 16 ? ui::Command4_Click : ui::mnuClearItem_Click)(form);
            break;
        case 7:
            print(form, command / 9);
            break;
        default:
            form.choose(command & 16 ? &ui::Form1::Option4 : &ui::Form1::Option3);
        }
        require(fuzz::directionIsConsistent(form));
    }
    return 0;
}
