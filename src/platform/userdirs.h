#pragma once

#include <QString>

// The XDG base directories every Tallowick file lives under, so that a whole run can be
// pointed elsewhere with XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR.
namespace UserDirs {

QString configHome();
QString dataHome();
QString runtimeDir();

// Creates the folder (and missing parents) if needed and makes it reachable only by its
// user (0700). Returns false when it cannot be created.
bool ensurePrivateDir(const QString &path);

} // namespace UserDirs
