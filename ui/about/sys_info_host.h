// The host services that start the system-information tool.
#pragma once

#include "ui/about/registry.h"
#include "ui/shared/message_boxes.h"

#include <string>

namespace corvald::ui::about {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // An ordinary file: not hidden, not a system file, not a folder.
    virtual bool isOrdinaryFile(const std::string& path) = 0;
};

// Starts the program at a path as a new process, directly (no shell), without
// waiting for it. False when it cannot be started.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual bool launch(const std::string& path) = 0;
};

struct SysInfoHost {
    Registry& registry;
    FileSystem& files;
    ProgramLauncher& launcher;
    MessageBoxes& messages;
};

} // namespace corvald::ui::about
