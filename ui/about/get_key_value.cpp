#include "ui/about/get_key_value.h"

#include <algorithm>
#include <array>

namespace corvald::ui::about {

namespace {

    // Closes the key however the read ends, a zero-length value included.
    class OpenKey {
    public:
        OpenKey(Registry& registry, RegistryKey key)
            : registry_(registry)
            , key_(key)
        {
        }
        ~OpenKey() { registry_.RegCloseKey(key_); }
        OpenKey(const OpenKey&) = delete;
        OpenKey& operator=(const OpenKey&) = delete;

    private:
        Registry& registry_;
        RegistryKey key_;
    };

    // The bytes of a number value, most significant (the last) first, as a decimal number.
    std::string numberText(const std::string& bytes)
    {
        std::uint64_t value = 0;
        const std::size_t used = std::min<std::size_t>(bytes.size(), sizeof value);
        for (std::size_t i = used; i-- > 0;)
            value = value << 8 | static_cast<std::uint8_t>(bytes[i]);
        return std::to_string(value);
    }

} // namespace

EmptyRegistryValue::EmptyRegistryValue()
    : std::runtime_error("the registry value holds no bytes")
{
}

bool GetKeyValue(Registry& registry, std::uint32_t KeyRoot, std::string_view KeyName,
    std::string_view SubKeyRef, std::string& KeyVal)
{
    RegistryKey key = 0;
    if (registry.RegOpenKeyExA(KeyRoot, KeyName, 0, kKeyAllAccess, key) != kRegistrySuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenKey open(registry, key);
    std::array<std::uint8_t, kValueBufferBytes> buffer {};
    std::uint32_t size = kValueBufferBytes;
    std::uint32_t type = 0;
    if (registry.RegQueryValueExA(key, SubKeyRef, type, buffer, size) != kRegistrySuccess) {
        KeyVal.clear();
        return false;
    }
    if (size == 0)
        throw EmptyRegistryValue();
    std::string text(buffer.begin(), buffer.begin() + std::min(size, kValueBufferBytes));
    if (text.back() == '\0')
        text.pop_back();
    if (type == kRegString)
        KeyVal = text;
    else if (type == kRegNumber)
        KeyVal = numberText(text);
    return true;
}

} // namespace corvald::ui::about
