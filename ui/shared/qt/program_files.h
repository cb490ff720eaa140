// Files that the program carries beside itself: its face, its print module. They
// lie at the same path below the program's prefix in the installed package (/usr)
// and below the top of the build tree, so every program built here finds them as
// the installed one does.
#pragma once

#include <QString>

namespace corvald::ui::qt {

// The path of the program's file at `relativePath` below its prefix, or empty
// when no folder above the program's own holds it.
QString programFilePath(const QString& relativePath);

} // namespace corvald::ui::qt
