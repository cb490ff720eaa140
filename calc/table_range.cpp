#include "calc/table_range.h"

#include "calc/failure.h"
#include "calc/number_text.h"

#include <string>

namespace corvald::calc {

double checkedInRange(
    std::string_view quantity, double value, const TableRange& range, std::string_view table)
{
    if (value >= range.lowest && value <= range.highest)
        return value;
    std::string text(quantity);
    text.append(" ").append(writeNumber(value)).append(" ").append(range.unit);
    text.append(" is outside table ").append(table).append(": ");
    text.append(writeNumber(range.lowest)).append(" to ").append(writeNumber(range.highest));
    text.append(" ").append(range.unit);
    throw OutOfRange(text);
}

} // namespace corvald::calc
