#include "cli/escaped_text.h"

#include "cli/control_characters.h"

namespace corvald::cli {

namespace {

    // The bytes of the control character at the start of text, or 0; a C0
    // control in kept is no control here.
    std::size_t controlLength(std::string_view text, std::string_view kept)
    {
        if (isC0Control(static_cast<unsigned char>(text[0])))
            return kept.find(text[0]) == kept.npos ? 1 : 0;
        return startsC1Control(text) ? 2 : 0;
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
        if ((isC0Control(c) || c == kC1Lead) && controlLength(text.substr(i), kFieldBreaks) != 0)
            return true;
    }
    return false;
}

} // namespace corvald::cli
