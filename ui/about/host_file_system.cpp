#include "ui/about/host_file_system.h"

#include <filesystem>

namespace corvald::ui::about {

bool HostFileSystem::isOrdinaryFile(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path file(path);
    return std::filesystem::is_regular_file(file, error)
        && !file.filename().string().starts_with('.');
}

} // namespace corvald::ui::about
