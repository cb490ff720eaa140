#include "cli/csv_field.h"

#include "calc/failure.h"
#include "calc/number_text.h"
#include "cli/escaped_text.h"

#include <algorithm>

namespace corvald::cli {

namespace {

    bool startsLikeAFormula(std::string_view text)
    {
        if (text.empty())
            return false;
        switch (text.front()) {
        case '=':
        case '+':
        case '-':
        case '@':
        case '\t':
        case '\r':
            return true;
        default:
            return false;
        }
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
    const auto needsQuotes = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(text.begin(), text.end(), needsQuotes)) {
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

void appendSpreadsheetSafe(std::string& out, std::string_view text)
{
    std::string harmless;
    if (holdsFieldControls(text))
        text = harmless = fieldText(text);
    if (!startsLikeAFormula(text) || isNumber(text)) {
        appendCsvField(out, text);
        return;
    }
    std::string asText(1, '\'');
    asText += text;
    appendCsvField(out, asText);
}

} // namespace corvald::cli
