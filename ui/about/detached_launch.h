// Starts a program as a new process of its own, the way a desktop starts one:
// directly (no shell), in a session of its own, and without waiting for it.
#pragma once

#include <string>

namespace corvald::ui::about {

// Starts the program at `path`, given as the bytes the file system knows it by
// (a folder's name need not be valid text), with no arguments. Returns once the
// program has been started; false when it cannot be.
bool launchDetached(const std::string& path);

} // namespace corvald::ui::about
