// One calculation run on arbitrary texts in the three inputs, with either basis,
// either direction and any of the four triggers: at most one message box, the
// direction intact, and a computed run's captions consistent with its inputs.
#include "fuzz/fuzzed_input.h"
#include "fuzz/result_checks.h"
#include "tests/support/fake_message_boxes.h"
#include "ui/main/calculation.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corvald;
    fuzz::FuzzedInput input(data, size);
    const std::uint8_t choices = input.byte();
    ui::Form1 form;
    if (choices & 1)
        ui::Command1_Click(form);
    form.choose(choices & 2 ? &ui::Form1::Option4 : &ui::Form1::Option3);
    form.Text1.Text = input.text();
    form.Combo1.Text = input.text();
    form.Combo2.Text = input.text();
    fakes::FakeMessageBoxes messages;
    fuzz::runCalculationTrigger(form, messages, choices >> 2);
    if (messages.shown.size() > 1 || !fuzz::directionIsConsistent(form))
        std::abort();
    if (messages.shown.empty() && !fuzz::computedRunHolds(form))
        std::abort();
    return 0;
}
