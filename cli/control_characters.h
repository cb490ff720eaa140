// The control characters that corvald-calc never writes as they came: the C0
// controls and DEL, and the C1 controls U+0080 to U+009F, which UTF-8 writes
// as C2 80 to C2 9F (a terminal may take one for the start of a command).
#pragma once

#include <string_view>

namespace corvald::cli {

inline constexpr std::string_view kHexDigits = "0123456789abcdef";
inline constexpr unsigned char kC1Lead = 0xC2; // the first byte of every C1 control

inline bool isC0Control(unsigned char c)
{
    constexpr unsigned char kDelete = 0x7F;
    return c < 0x20 || c == kDelete;
}

// Whether text starts with a C1 control in its UTF-8 form.
inline bool startsC1Control(std::string_view text)
{
    constexpr unsigned char kC1First = 0x80;
    constexpr unsigned char kC1Last = 0x9F;
    return text.size() > 1 && static_cast<unsigned char>(text[0]) == kC1Lead
        && static_cast<unsigned char>(text[1]) >= kC1First
        && static_cast<unsigned char>(text[1]) <= kC1Last;
}

} // namespace corvald::cli
