#pragma once

#include <QByteArray>
#include <QString>

namespace AtomicFile {

// Replaces the file at `path` with `bytes` so that a reader, or a crash at any moment, sees
// either the whole old file or the whole new one. The data reaches the disk before the
// rename, and the rename before this returns. The file is readable only by its user.
// A symbolic link at `path` is itself replaced by the file: nothing is ever written through
// a link onto the file it points to.
// Returns false, leaving any previous file untouched, when something fails.
bool write(const QString &path, const QByteArray &bytes);

// How many files this process has written so far, for checking how often an operation
// reaches the disk.
quint64 writeCount();

} // namespace AtomicFile
