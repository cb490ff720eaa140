#include "cli/json_text.h"

#include "cli/control_characters.h"

namespace corvald::cli {

namespace {

    constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

    // The length of the well-formed UTF-8 sequence at the start of text, or 0.
    std::size_t sequenceLength(std::string_view text)
    {
        const auto lead = static_cast<unsigned char>(text[0]);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        if (length == 0 || text.size() < length)
            return 0;
        for (std::size_t i = 1; i < length; ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c < (i == 1 ? low : 0x80) || c > (i == 1 ? high : 0xBF))
                return 0;
        }
        return length;
    }

    void appendEscaped(std::string& out, unsigned char c)
    {
        switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            out += "\\u00";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        }
    }

} // namespace

std::string jsonNumber(std::string_view shown)
{
    std::string number;
    for (const char c : shown) {
        if (c == '(')
            number += '-';
        else if (c != ',' && c != ')')
            number += c;
    }
    return number;
}

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text[0]);
        std::size_t used = 1;
        if (isC0Control(c) || c == '"' || c == '\\')
            appendEscaped(out, c);
        else if (c < 0x80)
            out += text[0];
        else if (startsC1Control(text)) {
            appendEscaped(out, static_cast<unsigned char>(text[1])); // U+0080 to U+009F
            used = 2;
        } else if ((used = sequenceLength(text)) != 0)
            out.append(text.substr(0, used));
        else {
            out += kReplacement;
            used = 1;
        }
        text.remove_prefix(used);
    }
    out += '"';
}

} // namespace corvald::cli
