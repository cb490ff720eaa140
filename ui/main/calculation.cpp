#include "ui/main/calculation.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/vcf53a.h"
#include "ui/main/calculation_limits.h"
#include "ui/main/direction.h"

#include <optional>

namespace corvald::ui {

using calc::displayFormat;
using calc::finite;
using calc::readNumber;
using calc::writeNumber;

namespace {

    struct Message {
        std::string_view prompt;
        std::string_view title;
    };

    constexpr std::string_view kEnterValue = "Enter Value";
    constexpr std::string_view kCheckInput = "Check inputed value";
    constexpr std::string_view kQuantityPrompt = "Enter quantity of product.";
    constexpr std::string_view kTemperaturePrompt
        = "Enter temperature from -18 to +95. Celsium degrees.";
    constexpr std::string_view kTemperaturePromptMenuMass
        = "Enter temperature from -18 to +95.Celsium degrees.";
    constexpr std::string_view kTemperatureRangePrompt
        = "Enter temperature from -18 to +95 Celsium degrees.";
    constexpr std::string_view kDensityPrompt = "Ente density from 0.610 to 1.075";
    constexpr std::string_view kDensityPromptMenu = "Ente density from 0.650 to 1.075";

    // A run falls into three failure scopes; a failure inside a scope (a text
    // that is no number, a result that is not finite) shows the scope's message.
    enum class Scope { density, quantity, temperature };

    Message failureMessage(Scope scope, MessageSet set)
    {
        switch (scope) {
        case Scope::quantity:
            return { kQuantityPrompt, kCheckInput };
        case Scope::temperature:
            return { kTemperaturePrompt, kCheckInput };
        case Scope::density:
            break;
        }
        return { set == MessageSet::menu ? kDensityPromptMenu : kDensityPrompt, kCheckInput };
    }

    // The work of one scope returns the message of a failed check, if any.
    using Outcome = std::optional<Message>;

    template <class Work> Outcome inScope(Scope scope, MessageSet set, Work work)
    {
        try {
            return work();
        } catch (const calc::Failure&) {
            return failureMessage(scope, set);
        }
    }

    // Shows the density in air and the density used (the entered one in vacuum,
    // the one in air otherwise), then asks for an empty quantity or temperature.
    Outcome settleDensity(Form1& form, MessageSet set)
    {
        const double density = readNumber(form.Combo2.Text);
        form.Label23.Caption = writeNumber(density - kAirBuoyancy);
        if (density > 0) {
            form.Label22.Caption
                = form.Option3.Value ? form.Combo2.Text : writeNumber(density - kAirBuoyancy);
        }
        if (form.Text1.Text.empty())
            return Message { kQuantityPrompt, kEnterValue };
        if (form.Combo1.Text.empty()) {
            const bool menuMass = set == MessageSet::menu && isMassDirection(form);
            return Message { menuMass ? kTemperaturePromptMenuMass : kTemperaturePrompt,
                kEnterValue };
        }
        return std::nullopt;
    }

    Outcome checkQuantity(const Form1& form)
    {
        if (readNumber(form.Text1.Text) < kLowestQuantity)
            return Message { kQuantityPrompt, kCheckInput };
        return std::nullopt;
    }

    Outcome checkTemperature(const Form1& form)
    {
        if (readNumber(form.Combo1.Text) < kLowestTemperature)
            return Message { kTemperatureRangePrompt, kCheckInput };
        return std::nullopt;
    }

    // Rejects an entered density outside the factor's range, and a density used
    // below it: the factor would silently be 1 there.
    Outcome checkDensity(const Form1& form)
    {
        const double entered = readNumber(form.Combo2.Text);
        if (entered > kHighestDensity || entered < kLowestDensity
            || readNumber(form.Label22.Caption) < kLowestDensity)
            return Message { kDensityPrompt, kCheckInput };
        return std::nullopt;
    }

    double roundedFactor(const Form1& form)
    {
        return calc::roundToFourDecimals(readNumber(form.Label10.Caption));
    }

    // A volume at the observed temperature gives the volume at 15 °C and the mass.
    void volumeToMass(Form1& form)
    {
        const double volume15 = finite(roundedFactor(form) * readNumber(form.Text1.Text));
        form.Label13.Caption = writeNumber(volume15);
        const double mass
            = finite(readNumber(form.Label22.Caption) * readNumber(form.Label13.Caption));
        form.Label14.Caption = writeNumber(mass);
    }

    // A mass gives the volume at 15 °C and the volume at the observed temperature.
    void massToVolume(Form1& form)
    {
        const double volume15
            = finite(readNumber(form.Text1.Text) / readNumber(form.Label22.Caption));
        form.Label13.Caption = writeNumber(volume15);
        const double volume = finite(readNumber(form.Label13.Caption) / roundedFactor(form));
        form.Label14.Caption = writeNumber(volume);
    }

    void showResults(Form1& form)
    {
        form.Label10.Caption
            = displayFormat(readNumber(form.Label10.Caption), calc::kFactorDecimals);
        form.Label13.Caption = displayFormat(readNumber(form.Label13.Caption), kVolumeDecimals);
        form.Label14.Caption = displayFormat(readNumber(form.Label14.Caption), kVolumeDecimals);
    }

    // Checks the density, writes the 15-digit factor, the two results in the
    // run's direction, then shows all three rounded for display.
    Outcome computeResults(Form1& form)
    {
        if (auto rejection = checkDensity(form))
            return rejection;
        const double densityUsed = readNumber(form.Label22.Caption);
        const double factor = calc::VCF53A(
            finite(densityUsed * kKilogramsPerCubicMetrePerKgPerLitre), form.Combo1.Text);
        form.Label10.Caption = writeNumber(factor);
        if (isMassDirection(form))
            massToVolume(form);
        else
            volumeToMass(form);
        showResults(form);
        return std::nullopt;
    }

    Outcome calculate(Form1& form, MessageSet set)
    {
        if (auto m = inScope(Scope::density, set, [&] { return settleDensity(form, set); }))
            return m;
        if (auto m = inScope(Scope::quantity, set, [&] { return checkQuantity(form); }))
            return m;
        if (auto m = inScope(Scope::temperature, set, [&] { return checkTemperature(form); }))
            return m;
        return inScope(Scope::density, set, [&] { return computeResults(form); });
    }

} // namespace

void RunCalculation(Form1& form, MessageBoxes& messages, MessageSet set)
{
    if (const auto message = calculate(form, set))
        messages.show(message->prompt, message->title);
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
