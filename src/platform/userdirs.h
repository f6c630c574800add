#pragma once

#include <QString>

// The XDG base directories every Tallowick file lives under, so that a whole run can be
// pointed elsewhere with XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR. Without
// XDG_RUNTIME_DIR the runtime folder is "runtime-<uid>" in the temporary folder.
namespace UserDirs {

QString configHome();
QString dataHome();
QString runtimeDir();

// Creates the folder (and missing parents, each 0700) if needed and makes it reachable only
// by its user (0700). Returns false when it cannot be created, or it belongs to another user,
// or its parent does (root's excepted): then nothing is made in it.
bool ensurePrivateDir(const QString &path);

} // namespace UserDirs
