#include "calc/tables/table_range.h"

#include "calc/failure.h"
#include "calc/number_text.h"

#include <string>

namespace corvald::calc::tables {

namespace {

    std::string valueIn(double value, std::string_view unit)
    {
        return writeNumber(value).append(" ").append(unit);
    }

} // namespace

std::string rangeText(const TableRange& range)
{
    return writeNumber(range.lowest) + " to " + valueIn(range.highest, range.unit);
}

double checkedInRange(
    std::string_view quantity, double value, const TableRange& range, std::string_view table)
{
    if (value >= range.lowest && value <= range.highest)
        return value;
    std::string text(quantity);
    text.append(" ").append(valueIn(value, range.unit));
    text.append(" is outside table ").append(table).append(": ").append(rangeText(range));
    throw OutOfRange(text);
}

void checkTemperatureLimit(
    std::span<const TemperatureLimit> limits, const LimitCheck& check, double baseValue, double t)
{
    const double grade = roundToDecimals(baseValue, 1);
    for (const TemperatureLimit& limit : limits) {
        if (grade > limit.upToBase && &limit != &limits.back())
            continue;
        if (t <= limit.highestTemperature)
            return;
        throw OutOfRange("temperature " + valueIn(t, check.temperatures.unit)
            + " is above the limit of table " + std::string(check.table) + " for "
            + std::string(check.baseName) + " " + valueIn(grade, check.baseRange.unit) + ": "
            + writeNumber(check.temperatures.lowest) + " to "
            + valueIn(limit.highestTemperature, check.temperatures.unit));
    }
}

} // namespace corvald::calc::tables
