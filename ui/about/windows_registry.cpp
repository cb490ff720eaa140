#include "ui/about/windows_registry.h"

#include <string>
#include <windows.h>

namespace corvald::ui::about {

RegistryStatus WindowsRegistry::RegOpenKeyExA(std::uint32_t root, std::string_view subKey,
    std::uint32_t options, std::uint32_t rights, RegistryKey& key)
{
    HKEY opened = nullptr;
    const auto rootKey = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(root));
    const LONG status
        = ::RegOpenKeyExA(rootKey, std::string(subKey).c_str(), options, rights, &opened);
    key = reinterpret_cast<RegistryKey>(opened);
    return status;
}

RegistryStatus WindowsRegistry::RegQueryValueExA(RegistryKey key, std::string_view valueName,
    std::uint32_t& type, std::span<std::uint8_t> buffer, std::uint32_t& size)
{
    DWORD valueType = 0;
    DWORD bytes = static_cast<DWORD>(std::min<std::size_t>(size, buffer.size()));
    const LONG status = ::RegQueryValueExA(reinterpret_cast<HKEY>(key),
        std::string(valueName).c_str(), nullptr, &valueType, buffer.data(), &bytes);
    type = valueType;
    size = bytes;
    return status;
}

RegistryStatus WindowsRegistry::RegCloseKey(RegistryKey key)
{
    return ::RegCloseKey(reinterpret_cast<HKEY>(key));
}

} // namespace corvald::ui::about
