#include "cli/cargo/tank_figures.h"

#include "calc/edition2004/table_calculation.h"
#include "calc/failure.h"
#include "calc/number_text.h"
#include "cli/cargo/tank_tables.h"
#include "ui/main/calculation_limits.h"

#include <algorithm>

namespace corvald::cli::cargo {

namespace {

    constexpr int kPercent = 2; // a percentage is hundredths: S&W = GSV × sw ÷ 10^2
    constexpr double kHighestPercent = 100;
    constexpr std::string_view kVolumeUnit = "m3";

    std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

    // The tank's factor as its table prints it: the 1980 V.C.F. to four decimals, or the
    // 2004 CTPL at 0 kPa to the five decimals of that edition, on the inputs rounded as
    // the edition rounds them.
    Exact tankFactor(const calc::tables::TableEntry& table, double density, double temperature)
    {
        if (table.edition2004) {
            calc::edition2004::TableRequest request;
            request.density = density;
            request.temperature = temperature;
            const auto figures = calc::edition2004::computeTable(*table.edition2004, request);
            return { rounded(exactOf(figures.ctpl.rounded), table.gives.decimals),
                table.gives.decimals };
        }
        calc::tables::TableInputs inputs;
        inputs.value = density;
        inputs.temperature = temperature;
        const calc::tables::TableResult factor = table.procedure(inputs);
        return { rounded(exactOf(calc::readNumber(factor.rounded)), factor.decimals),
            factor.decimals };
    }

    // The number a field reads as; a field left empty is `absent` when one is given.
    double number(std::string_view column, const std::string& text, const char* absent = nullptr)
    {
        if (text.empty()) {
            if (absent)
                return calc::readNumber(absent);
            throw TankRefused(std::string(column) + " is missing");
        }
        try {
            return calc::readNumber(text);
        } catch (const calc::TypeMismatch&) {
            throw TankRefused(std::string(column) + " " + quoted(text) + " is not a number");
        }
    }

    void checkPrintable(std::string_view column, const std::string& name)
    {
        if (!printable(name))
            throw TankRefused(std::string(column) + " holds a control character");
    }

    void checkRange(std::string_view column, const std::string& text, double value, double lowest,
        double highest, std::string_view unit, std::string_view within = "")
    {
        if (value >= lowest && value <= highest)
            return;
        throw TankRefused(std::string(column) + " " + text + " " + std::string(unit)
            + " is outside " + std::string(within) + calc::writeNumber(lowest) + " to "
            + calc::writeNumber(highest) + " " + std::string(unit));
    }

    const calc::tables::TableEntry& tableOf(const TankEntry& entry)
    {
        const std::string edition
            = entry.edition.empty() ? std::string(kDefaultEdition) : entry.edition;
        if (!knownEdition(edition))
            throw TankRefused("edition " + edition + " is not available: the tables are those of "
                + editionNames());
        const std::string name = entry.table.empty() ? std::string(kDefaultTable) : entry.table;
        const calc::tables::TableEntry* table = tankTable(edition, name);
        if (!table)
            throw TankRefused("table " + name + " is not a volume correction table to "
                + std::string(kReportBase) + " of edition " + edition + ": " + tableNames(edition));
        return *table;
    }

    // TOV and free water as the report shows them, to its three decimals.
    Wide volume(std::string_view column, const std::string& text, const char* absent = nullptr)
    {
        const double value = number(column, text, absent);
        checkRange(column, text, value, 0, kLargestTankVolume, kVolumeUnit);
        return rounded(exactOf(value), kFigureDecimals);
    }

} // namespace

bool printable(std::string_view name)
{
    return std::none_of(name.begin(), name.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

TankFigures tankFigures(const TankEntry& entry)
{
    if (entry.tank.empty())
        throw TankRefused("tank is missing");
    checkPrintable("tank", entry.tank);
    checkPrintable("grade", entry.grade);
    const calc::tables::TableEntry& table = tableOf(entry);
    TankFigures f;
    f.table = table.name;
    f.edition = table.edition;
    f.tov = volume("tov", entry.tov);
    f.freeWater = volume("free_water", entry.freeWater, "0");
    if (f.freeWater > f.tov)
        throw TankRefused(
            "free_water " + entry.freeWater + " m3 is above tov " + entry.tov + " m3");
    f.gov = f.tov - f.freeWater;

    const double density = number("density", entry.density);
    const double temperature = number("temperature", entry.temperature);
    const double percent = number("sw", entry.sw, "0");
    const double perLitre = ui::kKilogramsPerCubicMetrePerKgPerLitre;
    checkRange("density", entry.density, density, table.range.lowest / perLitre,
        table.range.highest / perLitre, "kg/litre", "table " + std::string(table.name) + ": ");
    checkRange("temperature", entry.temperature, temperature, table.temperatures.lowest,
        table.temperatures.highest, table.temperatures.unit,
        "table " + std::string(table.name) + ": ");
    checkRange("sw", entry.sw, percent, 0, kHighestPercent, "%");

    try {
        const Exact vcf = tankFactor(table, calc::finite(density * perLitre), temperature);
        f.vcf = vcf.units;
        f.vcfDecimals = vcf.scale;
        f.gsv = roundedProduct({ f.gov, kFigureDecimals }, vcf, kFigureDecimals);
        f.sw = roundedProduct(
            { f.gsv, kFigureDecimals }, exactOf(percent), kFigureDecimals, kPercent);
        f.nsv = f.gsv - f.sw;
        const Exact inVacuum = exactOf(density);
        const Exact inAir = difference(inVacuum, exactOf(ui::kAirBuoyancy));
        f.massVacuum = roundedProduct({ f.nsv, kFigureDecimals }, inVacuum, kFigureDecimals);
        f.massAir = roundedProduct({ f.nsv, kFigureDecimals }, inAir, kFigureDecimals);
    } catch (const calc::Failure& failure) {
        throw TankRefused(failure.what());
    }
    return f;
}

} // namespace corvald::cli::cargo
