// The host's file test: an ordinary file is a regular file whose name does not
// start with "." (hidden on Unix hosts).
#pragma once

#include "ui/about/sys_info_host.h"

namespace corvald::ui::about {

class HostFileSystem : public FileSystem {
public:
    bool isOrdinaryFile(const std::string& path) override;
};

} // namespace corvald::ui::about
