#include "cli/product_factors.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/table_grid.h"
#include "calc/vcf54b.h"

#include <charconv>
#include <string>

namespace corvald::cli {

namespace {

    constexpr int kFactorDecimals = 4;
    constexpr std::string_view kTitle = "Check inputed value";

    // A failure named for the operator, raised inside this file only.
    struct Named {
        std::string prompt;
    };

    // True when text is a decimal number whose value lies beyond the range of a double.
    bool beyondDoubleRange(std::string_view text)
    {
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            text.remove_prefix(1);
        double value = 0;
        return std::from_chars(text.data(), text.data() + text.size(), value).ec
            == std::errc::result_out_of_range;
    }

    double input(std::string_view text, std::string_view name)
    {
        try {
            return calc::readNumber(text);
        } catch (const calc::Failure&) {
            throw Named { "the " + std::string(name)
                + (beyondDoubleRange(text) ? " is out of range" : " is not a number") };
        }
    }

    template <class Step> auto step(std::string_view result, Step compute)
    {
        try {
            return compute();
        } catch (const calc::Failure&) {
            throw Named { "the " + std::string(result) + " is beyond the range of a double" };
        }
    }

    Outcome grid(double density, double temperature)
    {
        double gridDensity = density;
        const double factor
            = step("V.C.F.", [&] { return calc::VCF_54B(gridDensity, temperature); });
        return { std::nullopt,
            { { "grid_density", "Grid density",
                  step("grid density", [&] { return calc::writeNumber(gridDensity); }), "kg/m3" },
                { "grid_temperature", "Grid temperature",
                    step("grid temperature",
                        [&] { return calc::writeNumber(calc::TempCorr(temperature)); }),
                    "°C" },
                { "vcf", "V.C.F. 54B", calc::displayFormat(factor, kFactorDecimals), "" } } };
    }

    Outcome exact(double density, double temperature)
    {
        const std::string factor = step("V.C.F.",
            [&] { return calc::writeNumber(calc::VCF54bInterpolerad(density, temperature)); });
        return { std::nullopt, { { "vcf", "V.C.F. 54B exact", factor, "" } } };
    }

} // namespace

Outcome productFactor(std::string_view density, std::string_view temperature, bool onGrid)
{
    try {
        const double kilogramsPerCubicMetre = input(density, "density");
        const double degrees = input(temperature, "temperature");
        return onGrid ? grid(kilogramsPerCubicMetre, degrees)
                      : exact(kilogramsPerCubicMetre, degrees);
    } catch (const Named& failure) {
        return { Rejection { std::string(kTitle), failure.prompt }, {} };
    }
}

} // namespace corvald::cli
