#include "cli/escaped_text.h"

#include <array>

namespace corvald::cli {

namespace {

    constexpr std::array<char, 16> kHexDigits
        = { '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f' };
    constexpr unsigned char kDelete = 0x7F;
    constexpr unsigned char kC1Lead = 0xC2; // U+0080 to U+009F are C2 80 to C2 9F in UTF-8
    constexpr unsigned char kC1Last = 0x9F;

    bool isC0(unsigned char c) { return c < 0x20 || c == kDelete; }

    // The bytes of the control character at the start of text, or 0.
    std::size_t controlLength(std::string_view text, std::string_view kept)
    {
        const auto c = static_cast<unsigned char>(text[0]);
        if (isC0(c))
            return kept.find(text[0]) == kept.npos ? 1 : 0;
        const bool c1 = c == kC1Lead && text.size() > 1
            && static_cast<unsigned char>(text[1]) >= 0x80
            && static_cast<unsigned char>(text[1]) <= kC1Last;
        return c1 ? 2 : 0;
    }

    void appendEscape(std::string& out, unsigned char c)
    {
        if (c == 0) {
            out += "\\0";
            return;
        }
        out += "\\x";
        out += kHexDigits[c >> 4];
        out += kHexDigits[c & 0xF];
    }

    std::string escaped(std::string_view text, std::string_view kept)
    {
        std::string out;
        out.reserve(text.size());
        while (!text.empty()) {
            const std::size_t control = controlLength(text, kept);
            for (std::size_t i = 0; i < control; ++i)
                appendEscape(out, static_cast<unsigned char>(text[i]));
            if (control == 0)
                out += text[0];
            text.remove_prefix(control == 0 ? 1 : control);
        }
        return out;
    }

    constexpr std::string_view kFieldBreaks = "\t\r\n";

} // namespace

std::string messageText(std::string_view text) { return escaped(text, {}); }

std::string fieldText(std::string_view text) { return escaped(text, kFieldBreaks); }

// Every field of a batch passes here: a byte that can start no control is
// passed over without a closer look.
bool holdsFieldControls(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((isC0(c) || c == kC1Lead) && controlLength(text.substr(i), kFieldBreaks) != 0)
            return true;
    }
    return false;
}

} // namespace corvald::cli
