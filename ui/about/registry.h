// The three calls of the host's registry that the About dialog makes, with the
// arguments and results of their originals: a key opened with given rights, a
// value read into a byte buffer of given size (type code and byte count come
// back), the key closed. Each returns 0 on success.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace corvald::ui::about {

using RegistryKey = std::uintptr_t;
using RegistryStatus = long;

inline constexpr RegistryStatus kRegistrySuccess = 0;
inline constexpr RegistryStatus kRegistryFileNotFound = 2;
inline constexpr RegistryStatus kRegistryMoreData = 234; // the value does not fit the buffer

inline constexpr std::uint32_t kHkeyLocalMachine = 0x80000002;
// Query and set value, create and enumerate sub-keys, notify, create link, read control.
inline constexpr std::uint32_t kKeyAllAccess = 0x2003F;

inline constexpr std::uint32_t kRegString = 1; // REG_SZ
inline constexpr std::uint32_t kRegNumber = 4; // REG_DWORD

class Registry {
public:
    virtual ~Registry() = default;
    virtual RegistryStatus RegOpenKeyExA(std::uint32_t root, std::string_view subKey,
        std::uint32_t options, std::uint32_t rights, RegistryKey& key)
        = 0;
    // Writes at most buffer.size() bytes; `size` comes back as the count written.
    virtual RegistryStatus RegQueryValueExA(RegistryKey key, std::string_view valueName,
        std::uint32_t& type, std::span<std::uint8_t> buffer, std::uint32_t& size)
        = 0;
    virtual RegistryStatus RegCloseKey(RegistryKey key) = 0;
};

} // namespace corvald::ui::about
