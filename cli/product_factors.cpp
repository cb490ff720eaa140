#include "cli/product_factors.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/product_bands.h"
#include "calc/table_grid.h"
#include "calc/vcf54b.h"
#include "cli/report.h"

#include <charconv>
#include <string>

namespace corvald::cli {

namespace {

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

    // "654 to 770.7, 770.8 to 787.4, ... kg/m3": the bands a density must lie in.
    std::string bandList()
    {
        std::string text;
        for (const calc::ProductBand& band : calc::kProductBands)
            text += (text.empty() ? "" : ", ") + calc::writeNumber(band.from) + " to "
                + calc::writeNumber(band.to);
        return text + " kg/m3";
    }

    // The factor of a density in no band is 1 by the procedure's definition, which is
    // no oil's factor: such a density is refused rather than reported.
    void requireBand(double density, const std::string& which)
    {
        if (calc::productBandOf(density))
            return;
        const bool between
            = density > calc::kProductBands.front().from && density < calc::kProductBands.back().to;
        throw Named { which + " kg/m3 is " + (between ? "between" : "outside")
            + " the product bands " + bandList()
            + (between ? "; --table 54B takes the band of its nearest tenth" : "") };
    }

    Outcome grid(double density, std::string_view typed, double temperature)
    {
        double gridDensity = density;
        const double factor
            = step("V.C.F.", [&] { return calc::VCF_54B(gridDensity, temperature); });
        const std::string gridText
            = step("grid density", [&] { return calc::writeNumber(gridDensity); });
        const std::string gridTemperature = step(
            "grid temperature", [&] { return calc::writeNumber(calc::TempCorr(temperature)); });
        requireBand(
            gridDensity, "the grid density " + gridText + " of the density " + std::string(typed));
        return { std::nullopt,
            { { "grid_density", "Grid density", gridText, "kg/m3" },
                { "grid_temperature", "Grid temperature", gridTemperature, "°C" },
                { "vcf", "V.C.F. 54B", calc::displayFormat(factor, calc::kFactorDecimals), "" } } };
    }

    Outcome exact(double density, std::string_view typed, double temperature)
    {
        requireBand(density, "the density " + std::string(typed));
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
        return onGrid ? grid(kilogramsPerCubicMetre, density, degrees)
                      : exact(kilogramsPerCubicMetre, density, degrees);
    } catch (const Named& failure) {
        return { Rejection { std::string(kCheckInput), failure.prompt }, {} };
    }
}

} // namespace corvald::cli
