#include "cli/product_factors.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "calc/table_grid.h"
#include "calc/vcf54b.h"
#include "cli/calc_cli.h"

#include <ostream>

namespace corvald::cli {

namespace {

    constexpr int kFactorDecimals = 4;

    void printGrid(double density, std::string_view temperature, std::ostream& out)
    {
        double gridDensity = density;
        const double factor = calc::VCF_54B(gridDensity, temperature);
        out << "Grid density  " << calc::writeNumber(gridDensity) << " kg/m3\n"
            << "Grid temperature  " << calc::writeNumber(calc::TempCorr(temperature)) << " °C\n"
            << "V.C.F. 54B  " << calc::displayFormat(factor, kFactorDecimals) << '\n';
    }

    void printExact(double density, std::string_view temperature, std::ostream& out)
    {
        out << "V.C.F. 54B exact  "
            << calc::writeNumber(calc::VCF54bInterpolerad(density, temperature)) << '\n';
    }

} // namespace

int printProductFactor(std::string_view density, std::string_view temperature, bool onGrid,
    std::ostream& out, std::ostream& err)
{
    double kilogramsPerCubicMetre = 0;
    try {
        kilogramsPerCubicMetre = calc::readNumber(density);
    } catch (const calc::Failure&) {
        err << "Check inputed value: the density is not a number\n";
        return kExitRejected;
    }
    try {
        if (onGrid)
            printGrid(kilogramsPerCubicMetre, temperature, out);
        else
            printExact(kilogramsPerCubicMetre, temperature, out);
    } catch (const calc::Failure&) {
        err << "Check inputed value: the temperature is not a number\n";
        return kExitRejected;
    }
    return kExitComputed;
}

} // namespace corvald::cli
