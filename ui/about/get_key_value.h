// Reads one registry value as text, through a 1024-byte buffer.
#pragma once

#include "ui/about/registry.h"

#include <stdexcept>
#include <string>

namespace corvald::ui::about {

inline constexpr std::uint32_t kValueBufferBytes = 1024;

// A value of zero bytes: the read ends without a result.
class EmptyRegistryValue : public std::runtime_error {
public:
    EmptyRegistryValue();
};

// True when the key was opened and the value read. A string value (type 1)
// becomes KeyVal without its terminating zero byte; a number value (type 4)
// becomes its decimal text; any other type leaves KeyVal as it was. A failed
// open or read empties KeyVal and returns false. Raises EmptyRegistryValue.
bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, std::string_view KeyName,
    std::string_view SubKeyRef, std::string& KeyVal);

} // namespace corvald::ui::about
