#include "cli/direct_calculation.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/vcf53a.h"
#include "ui/main/calculation_limits.h"
#include "ui/main/direction.h"

namespace corvald::cli {

namespace {

    using calc::finite;
    using calc::readNumber;

    struct Checked {
        double quantity, temperature, densityUsed;
    };

    // The checks of the window, in its order; empty where it would show a message.
    std::optional<Checked> checked(
        const WindowInput& input, double entered, const std::string& densityInAir)
    {
        if (!(entered > 0) || input.quantity.empty() || input.temperature.empty())
            return std::nullopt;
        const double quantity = readNumber(input.quantity);
        const double temperature = readNumber(input.temperature);
        const double used = input.basis == Basis::air ? readNumber(densityInAir) : entered;
        if (quantity < ui::kLowestQuantity || temperature < ui::kLowestTemperature
            || entered > ui::kHighestDensity || entered < ui::kLowestDensity
            || used < ui::kLowestDensity)
            return std::nullopt;
        return Checked { quantity, temperature, used };
    }

    std::optional<ShownResults> computed(const WindowInput& input)
    {
        const double entered = readNumber(input.density);
        std::string densityInAir = calc::writeNumber(entered - ui::kAirBuoyancy);
        const auto in = checked(input, entered, densityInAir);
        if (!in)
            return std::nullopt;
        const double factor = calc::captionValue(calc::VCF53A(
            finite(in->densityUsed * ui::kKilogramsPerCubicMetrePerKgPerLitre), in->temperature));
        const double rounded = calc::roundToFourDecimals(factor);
        const bool fromMass = input.direction == Direction::massToVolume;
        const double volume15 = calc::captionValue(
            fromMass ? finite(in->quantity / in->densityUsed) : finite(rounded * in->quantity));
        const double result = calc::captionValue(
            fromMass ? finite(volume15 / rounded) : finite(in->densityUsed * volume15));
        return ShownResults { std::move(densityInAir),
            calc::displayFormat(factor, calc::kFactorDecimals),
            calc::displayFormat(volume15, ui::kVolumeDecimals),
            calc::displayFormat(result, ui::kVolumeDecimals),
            fromMass ? ui::kVolumeUnit : ui::kMassUnit };
    }

} // namespace

std::optional<ShownResults> directCalculation(const WindowInput& input)
{
    try {
        return computed(input);
    } catch (const calc::Failure&) {
        return std::nullopt; // the window shows a message for this input
    }
}

} // namespace corvald::cli
