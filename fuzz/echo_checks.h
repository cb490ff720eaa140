// What corvald-calc writes whatever it was given: whole lines, and no control
// character that could act on a terminal.
#pragma once

#include <string_view>

namespace corvald::fuzz {

// Empty, or ending in a line end.
inline bool wholeLines(std::string_view text) { return text.empty() || text.back() == '\n'; }

// No control character but those of `kept`.
inline bool harmless(std::string_view text, std::string_view kept)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 || byte == 0x7F) && kept.find(c) == kept.npos)
            return false;
    }
    return true;
}

} // namespace corvald::fuzz
