#pragma once

#include <QString>

// An exclusive lock between processes (flock on a lock file), held while the object lives and
// released by the system if the process dies. Not re-entrant within one process: a second
// FileLock on the same file waits for the first. The lock file is a plain file of this user's,
// never reached through a symbolic link; anything else at its path means no lock, and a
// change that needs the lock must not go ahead (see `held`).
class FileLock
{
public:
    // An empty path takes no lock (the folder it would be in is not to be written).
    explicit FileLock(const QString &lockPath);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    FileLock(FileLock &&other) noexcept;
    FileLock &operator=(FileLock &&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};
