// The Windows registry itself (advapi32), on Windows builds.
#pragma once

#include "ui/about/registry.h"

namespace corvald::ui::about {

class WindowsRegistry : public Registry {
public:
    RegistryStatus RegOpenKeyExA(std::uint32_t root, std::string_view subKey, std::uint32_t options,
        std::uint32_t rights, RegistryKey& key) override;
    RegistryStatus RegQueryValueExA(RegistryKey key, std::string_view valueName,
        std::uint32_t& type, std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    RegistryStatus RegCloseKey(RegistryKey key) override;
};

} // namespace corvald::ui::about
