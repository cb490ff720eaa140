// A shift of use in one process: one million calculation runs from every
// trigger over good and bad inputs, and ten thousand Print commands against a
// printer that fails every third time. Prints the resident memory at the start,
// after the runs and at the end; exits 1 if it grew by more than a mebibyte.
#include "ui/main/calculation.h"
#include "ui/main/clear.h"
#include "ui/main/direction.h"
#include "ui/main/print.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace corvald::ui;

constexpr int kCalculations = 1000000;
constexpr int kPrints = 10000;
constexpr long kAllowedGrowthKiB = 1024;

long residentKiB()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Inputs {
    const char* quantity;
    const char* temperature;
    const char* density;
};

constexpr std::array<Inputs, 8> kInputs = { {
    { "1000", "20.0", "0.8500" },
    { "850", "-18.0", "1.0749" },
    { "12345.6789", "95.0", "0.7000" },
    { "", "20.0", "0.8500" },
    { "1000", "-18.1", "0.8500" },
    { "1000", "20.0", "1.08" },
    { "lots", "warm", "heavy" },
    { "0", "15.0", "0.610" },
} };

class QuietMessages : public MessageBoxes {
public:
    void show(std::string_view, std::string_view) override { ++shown; }
    long shown = 0;
};

class EveryThirdFails : public WindowPicturePrinter {
public:
    bool printWindowPicture() override { return ++calls % 3 != 0; }
    long calls = 0;
};

void calculate(Form1& form, QuietMessages& messages, int run)
{
    const Inputs& inputs = kInputs[static_cast<std::size_t>(run) % kInputs.size()];
    form.Text1.Text = inputs.quantity;
    form.Combo1.Text = inputs.temperature;
    form.Combo2.Text = inputs.density;
    switch (run % 7) {
    case 0:
        Command3_Click(form, messages);
        break;
    case 1:
        form.choose(&Form1::Option4);
        Option4_Click(form, messages);
        break;
    case 2:
        form.choose(&Form1::Option3);
        Option3_Click(form, messages);
        break;
    case 3:
        mnuCalculateItem_Click(form, messages);
        break;
    case 4:
        Command1_Click(form);
        break;
    case 5:
        Command2_Click(form);
        break;
    default:
        Command4_Click(form);
    }
}

} // namespace

int main()
{
    Form1 form;
    QuietMessages messages;
    EveryThirdFails printer;
    calculate(form, messages, 0);
    mnuPintItem_Click(form, messages, printer);
    const long start = residentKiB();
    for (int run = 0; run < kCalculations; ++run)
        calculate(form, messages, run);
    const long afterCalculations = residentKiB();
    for (int run = 0; run < kPrints; ++run)
        mnuPintItem_Click(form, messages, printer);
    const long end = residentKiB();
    std::printf("resident memory: start %ld KiB, after %d calculations %ld KiB, after %d prints "
                "%ld KiB (%ld message boxes)\n",
        start, kCalculations, afterCalculations, kPrints, end, messages.shown);
    return end - start > kAllowedGrowthKiB ? 1 : 0;
}
