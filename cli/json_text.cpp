#include "cli/json_text.h"

#include <array>

namespace corvald::cli {

namespace {

    constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD
    // Escaped as controls, so that a terminal showing the output cannot take them
    // for a command: DEL, and U+0080 to U+009F (C2 80 to C2 9F in UTF-8).
    constexpr unsigned char kDelete = 0x7F;
    constexpr unsigned char kC1Lead = 0xC2;
    constexpr unsigned char kC1Last = 0x9F;
    constexpr std::array<char, 16> kHexDigits
        = { '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f' };

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
        if (c < 0x20 || c == kDelete || c == '"' || c == '\\')
            appendEscaped(out, c);
        else if (c < 0x80)
            out += text[0];
        else if ((used = sequenceLength(text)) == 2 && c == kC1Lead
            && static_cast<unsigned char>(text[1]) <= kC1Last)
            appendEscaped(out, static_cast<unsigned char>(text[1])); // U+0080 to U+009F
        else if (used != 0)
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
