#include "cli/csv_field.h"

#include "calc/failure.h"
#include "calc/number_text.h"

namespace corvald::cli {

namespace {

    bool startsLikeAFormula(std::string_view text)
    {
        return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != text.npos;
    }

    bool isNumber(std::string_view text)
    {
        if (text.front() == '\t' || text.front() == '\r')
            return false;
        try {
            calc::readNumber(text);
            return true;
        } catch (const calc::Failure&) {
            return false;
        }
    }

} // namespace

void appendCsvField(std::string& out, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string spreadsheetSafe(std::string_view text)
{
    std::string safe;
    if (startsLikeAFormula(text) && !isNumber(text))
        safe += '\'';
    safe += text;
    return safe;
}

} // namespace corvald::cli
