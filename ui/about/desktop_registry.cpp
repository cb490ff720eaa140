#include "ui/about/desktop_registry.h"

#include "ui/about/start_sys_info.h"

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace corvald::ui::about {

namespace {

    constexpr RegistryKey kSysInfoKeyHandle = 1;

    // A program file that may be run: not a folder, not a device, not a file
    // without the permission to run it.
    bool isProgram(const std::string& path)
    {
        struct stat status { };
        return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)
            && ::access(path.c_str(), X_OK) == 0;
    }

} // namespace

std::string findSysInfoProgram(std::string_view searchPath)
{
    for (const std::string_view program : kSysInfoPrograms) {
        std::string_view rest = searchPath;
        while (!rest.empty()) {
            const std::size_t colon = std::min(rest.find(':'), rest.size());
            const std::string_view folder = rest.substr(0, colon);
            rest.remove_prefix(std::min(colon + 1, rest.size()));
            // An empty or relative folder names a place under the current folder,
            // whatever that is at the moment: it is not searched.
            if (!folder.starts_with('/'))
                continue;
            const std::string path = std::string(folder) + "/" + std::string(program);
            if (isProgram(path))
                return path;
        }
    }
    return {};
}

RegistryStatus DesktopRegistry::RegOpenKeyExA(
    std::uint32_t root, std::string_view subKey, std::uint32_t, std::uint32_t, RegistryKey& key)
{
    if (root != kHkeyLocalMachine || subKey != kSysInfoKey)
        return kRegistryFileNotFound;
    key = kSysInfoKeyHandle;
    return kRegistrySuccess;
}

RegistryStatus DesktopRegistry::RegQueryValueExA(RegistryKey key, std::string_view valueName,
    std::uint32_t& type, std::span<std::uint8_t> buffer, std::uint32_t& size)
{
    if (key != kSysInfoKeyHandle || valueName != kSysInfoValue)
        return kRegistryFileNotFound;
    const char* searchPath = std::getenv("PATH");
    const std::string program = findSysInfoProgram(searchPath ? searchPath : "");
    if (program.empty())
        return kRegistryFileNotFound;
    const std::size_t bytes = program.size() + 1; // with the terminating zero byte
    if (bytes > buffer.size() || bytes > size)
        return kRegistryMoreData;
    std::copy(program.begin(), program.end(), buffer.begin());
    buffer[program.size()] = 0;
    type = kRegString;
    size = static_cast<std::uint32_t>(bytes);
    return kRegistrySuccess;
}

RegistryStatus DesktopRegistry::RegCloseKey(RegistryKey) { return kRegistrySuccess; }

} // namespace corvald::ui::about
