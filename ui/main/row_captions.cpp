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

RowCaption rowCaption(const Form1& form, const RowDesign& row)
{
    const std::string& caption = (form.*row.caption).Caption;
    if (row.degree.place == DegreePlace::asUnit)
        return { caption, kDegreesCelsius };
    const std::string unit = row.unit ? (form.*row.unit).Caption : std::string();
    if (row.degree.place == DegreePlace::afterCaption)
        return { withDegreeSign(caption), unit };
    return { caption, unit };
}

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
