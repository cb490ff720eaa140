#include "ui/main/row_captions.h"

namespace corvald::ui {

namespace {

    constexpr const char* kDegreesCelsius = "°C";

    // A caption followed by the degree sign that the window draws after it.
    std::string withDegreeSign(std::string caption)
    {
        while (!caption.empty() && caption.back() == ' ')
            caption.pop_back();
        return caption + " " + kDegreesCelsius;
    }

} // namespace

RowCaption quantityRow(const Form1& form) { return { form.Label1.Caption, form.Label7.Caption }; }

RowCaption temperatureRow(const Form1& form) { return { form.Label2.Caption, kDegreesCelsius }; }

RowCaption densityRow(const Form1& form)
{
    return { withDegreeSign(form.Label3.Caption), form.Label9.Caption };
}

RowCaption densityInAirRow(const Form1& form)
{
    return { withDegreeSign(form.Label24.Caption), form.Label9.Caption };
}

RowCaption factorRow(const Form1& form) { return { form.Label4.Caption, "" }; }

RowCaption volume15Row(const Form1& form)
{
    return { withDegreeSign(form.Label5.Caption), form.Label11.Caption };
}

RowCaption resultRow(const Form1& form) { return { form.Label6.Caption, form.Label12.Caption }; }

std::string spokenName(const RowCaption& row)
{
    return row.unit.empty() ? row.caption : row.caption + " (" + row.unit + ")";
}

std::string spokenResult(const RowCaption& row, std::string_view value)
{
    if (value.empty())
        return spokenName(row);
    std::string spoken = row.caption + ": " + std::string(value);
    return row.unit.empty() ? spoken : spoken + " " + row.unit;
}

} // namespace corvald::ui
