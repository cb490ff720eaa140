#include "ui/about/start_sys_info.h"

#include "ui/about/get_key_value.h"

#include <exception>

namespace corvald::ui::about {

namespace {

    constexpr std::string_view kUnavailable = "System Information Is Unavailable At This Time";

    // The tool's path from the first location, else from the folder of the second.
    bool findSysInfo(SysInfoHost& host, std::string& path)
    {
        if (GetKeyValue(host.registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, path))
            return true;
        if (!GetKeyValue(
                host.registry, kHkeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, path))
            return false;
        if (!host.files.isOrdinaryFile(path + std::string(kSysInfoProgram)))
            return false;
        path += kSysInfoProgram;
        return true;
    }

} // namespace

void StartSysInfo(SysInfoHost& host)
{
    try {
        std::string path;
        if (findSysInfo(host, path) && host.launcher.launch(path))
            return;
    } catch (const std::exception&) {
        // every failure on the way ends in the one message below
    }
    // A message box given no title is titled with the application's title.
    host.messages.show(kUnavailable, kApplicationTitle);
}

} // namespace corvald::ui::about
