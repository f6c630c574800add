#pragma once

#include <QString>

// Moves a file we could not read out of the way, under a new name beside it
// ("<name>.unreadable-<time>"), so that nothing a person had is ever overwritten; logs where
// it went. Returns the new path, or nothing when the move failed.
QString keepAside(const QString &path, const QString &what);
