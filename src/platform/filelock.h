#pragma once

#include <QString>

// An exclusive lock between processes (flock on a lock file), held while the object lives and
// released by the system if the process dies. Not re-entrant within one process: a second
// FileLock on the same file waits for the first.
//
// The lock file is only ever a plain file of ours: a symbolic link planted at its path is not
// followed (nothing is created where it points), and a folder or a file we cannot open for
// writing leaves the lock not held. Whoever changes shared state must check held() and refuse
// the change otherwise: a change made without the lock can be lost to another process's.
class FileLock
{
public:
    explicit FileLock(const QString &lockPath);
    // Not held: for a lock file in a folder that may not be used.
    static FileLock refused(const QString &failure);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    FileLock(FileLock &&other) noexcept;
    FileLock &operator=(FileLock &&) = delete;

    bool held() const { return m_fd >= 0; }
    // Why the lock is not held, in one line, for the one who reports the refused change
    // (nothing is logged here); empty when it is held.
    const QString &failure() const { return m_failure; }

private:
    int m_fd = -1;
    QString m_failure;
};
