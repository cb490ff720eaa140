// The registry of a desktop that has none (Linux and other Unix hosts): it
// answers the one look-up of the About dialog. The value "PATH" under
// "SOFTWARE\Microsoft\Shared Tools\MSINFO" holds the full path of the first of
// these system-information programs found on PATH:
//   hardinfo2, hardinfo (HardInfo), kinfocenter (KDE Info Center),
//   gnome-system-monitor (GNOME System Monitor), lshw-gtk (Hardware Lister).
// Every other key is absent.
#pragma once

#include "ui/about/registry.h"

#include <array>
#include <string>

namespace corvald::ui::about {

inline constexpr std::array<std::string_view, 5> kSysInfoPrograms
    = { "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "lshw-gtk" };

class DesktopRegistry : public Registry {
public:
    RegistryStatus RegOpenKeyExA(std::uint32_t root, std::string_view subKey, std::uint32_t options,
        std::uint32_t rights, RegistryKey& key) override;
    RegistryStatus RegQueryValueExA(RegistryKey key, std::string_view valueName,
        std::uint32_t& type, std::span<std::uint8_t> buffer, std::uint32_t& size) override;
    RegistryStatus RegCloseKey(RegistryKey key) override;
};

// The full path of the first program of kSysInfoPrograms in the folders of
// `searchPath` (a PATH value), or empty. Only absolute folders are searched, and
// only a regular file that may be run counts; the path's bytes are kept as they are.
std::string findSysInfoProgram(std::string_view searchPath);

} // namespace corvald::ui::about
