#include "ui/main/calculation_run.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/vcf53a.h"
#include "ui/main/calculation_limits.h"

namespace corvald::ui {

using calc::finite;
using calc::readNumber;
using calc::writeNumber;
using calc::writtenValue;

namespace {

    constexpr std::string_view kEnterValue = "Enter Value";
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

    // The message of a failed check, if any.
    using Stop = std::optional<Message>;

    // The values the run has read or computed so far, as the captions hold them.
    struct Values {
        double entered = 0, quantity = 0, temperature = 0;
    };

    class Run {
    public:
        Run(const RunInputs& inputs, RunCaptions& captions)
            : in_(inputs)
            , out_(captions)
        {
        }

        Stop calculate()
        {
            if (auto m = inScope(Scope::density, [&] { return settleDensity(); }))
                return m;
            if (auto m = inScope(Scope::quantity, [&] { return checkQuantity(); }))
                return m;
            if (auto m = inScope(Scope::temperature, [&] { return checkTemperature(); }))
                return m;
            return inScope(Scope::density, [&] { return computeResults(); });
        }

    private:
        template <class Work> Stop inScope(Scope scope, Work work)
        {
            try {
                return work();
            } catch (const calc::Failure&) {
                return failureMessage(scope, in_.messages);
            }
        }

        // Shows the density in air and settles the density used (the entered one
        // in vacuum, the one in air otherwise), then asks for an empty quantity or
        // temperature.
        Stop settleDensity()
        {
            v_.entered = readNumber(in_.density);
            out_.densityInAir = writeNumber(v_.entered - kAirBuoyancy);
            if (v_.entered > 0)
                out_.densityUsed
                    = in_.basis == Basis::vacuum ? DensityUsed::entered : DensityUsed::inAir;
            if (in_.quantity.empty())
                return Message { kQuantityPrompt, kEnterValue };
            if (in_.temperature.empty()) {
                const bool menuMass
                    = in_.messages == MessageSet::menu && in_.direction == Direction::massToVolume;
                return Message { menuMass ? kTemperaturePromptMenuMass : kTemperaturePrompt,
                    kEnterValue };
            }
            return std::nullopt;
        }

        Stop checkQuantity()
        {
            v_.quantity = readNumber(in_.quantity);
            if (v_.quantity < kLowestQuantity)
                return Message { kQuantityPrompt, kCheckInput };
            return std::nullopt;
        }

        Stop checkTemperature()
        {
            v_.temperature = readNumber(in_.temperature);
            if (v_.temperature < kLowestTemperature)
                return Message { kTemperatureRangePrompt, kCheckInput };
            return std::nullopt;
        }

        // The value of Label22 as the run leaves it.
        double densityUsed() const
        {
            switch (out_.densityUsed) {
            case DensityUsed::entered:
                return v_.entered;
            case DensityUsed::inAir:
                return writtenValue(v_.entered - kAirBuoyancy);
            case DensityUsed::previous:
                break;
            }
            return readNumber(in_.previousDensityUsed);
        }

        // Rejects an entered density outside the factor's range, and a density
        // used below it: the factor would silently be 1 there. Then computes the
        // 15-digit factor and the two results in the run's direction, each as its
        // caption holds it, and shows all three rounded for display.
        Stop computeResults()
        {
            if (v_.entered > kHighestDensity || v_.entered < kLowestDensity)
                return Message { kDensityPrompt, kCheckInput };
            const double used = densityUsed();
            if (used < kLowestDensity)
                return Message { kDensityPrompt, kCheckInput };
            Computed c;
            try {
                compute(c, used);
            } catch (const calc::Failure&) {
                writeRaw(c);
                throw;
            }
            out_.factor = calc::displayFormat(c.factor, calc::kFactorDecimals);
            out_.volume15 = calc::displayFormat(c.volume15, kVolumeDecimals);
            out_.result = calc::displayFormat(c.result, kVolumeDecimals);
            return std::nullopt;
        }

        // The results in the order they are written; a result whose text could not be
        // written is absent.
        struct Computed {
            std::optional<double> rawFactor, rawVolume15, rawResult;
            double factor = 0, volume15 = 0, result = 0; // as the written texts read back
        };

        void compute(Computed& c, double used) const
        {
            const double factor
                = calc::VCF53A(finite(used * kKilogramsPerCubicMetrePerKgPerLitre), v_.temperature);
            c.factor = writtenValue(factor);
            c.rawFactor = factor;
            const double rounded = calc::roundToFourDecimals(c.factor);
            const bool fromMass = in_.direction == Direction::massToVolume;
            const double volume15 = finite(fromMass ? v_.quantity / used : rounded * v_.quantity);
            c.volume15 = writtenValue(volume15);
            c.rawVolume15 = volume15;
            const double result = finite(fromMass ? c.volume15 / rounded : used * c.volume15);
            c.result = writtenValue(result);
            c.rawResult = result;
        }

        // The texts a run stopped inside the results leaves: those written so far, raw.
        void writeRaw(const Computed& c) const
        {
            if (c.rawFactor)
                out_.factor = writeNumber(*c.rawFactor);
            if (c.rawVolume15)
                out_.volume15 = writeNumber(*c.rawVolume15);
            if (c.rawResult)
                out_.result = writeNumber(*c.rawResult);
        }

        const RunInputs& in_;
        RunCaptions& out_;
        Values v_;
    };

} // namespace

RunCaptions calculationRun(const RunInputs& inputs)
{
    RunCaptions captions;
    captions.message = Run(inputs, captions).calculate();
    return captions;
}

} // namespace corvald::ui
