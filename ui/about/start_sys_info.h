// "System Info...": finds the host's system-information tool through the
// registry and starts it, or tells the operator it is unavailable.
#pragma once

#include "ui/about/sys_info_host.h"

#include <string_view>

namespace corvald::ui::about {

inline constexpr std::string_view kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kSysInfoValue = "PATH";
inline constexpr std::string_view kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr std::string_view kSysInfoFolderValue = "MSINFO";
inline constexpr std::string_view kSysInfoProgram = "\\MSINFO32.EXE";

void StartSysInfo(SysInfoHost& host);

} // namespace corvald::ui::about
