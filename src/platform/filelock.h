#pragma once

#include <QString>

// An exclusive lock between processes (flock on a lock file), held while the object lives and
// released by the system if the process dies. Not re-entrant within one process: a second
// FileLock on the same file waits for the first.
class FileLock
{
public:
    explicit FileLock(const QString &lockPath);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    FileLock(FileLock &&other) noexcept;
    FileLock &operator=(FileLock &&) = delete;

private:
    int m_fd = -1;
};
