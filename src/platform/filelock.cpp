#include "filelock.h"

#include "platformlog.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock::FileLock(const QString &lockPath)
{
    if (lockPath.isEmpty())
        return;
    // A link planted at the path is not followed: the lock never makes or opens a file where
    // someone else points.
    const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qCWarning(lcPlatform).noquote() << "Error: Can't open the lock file" << lockPath << "-" << qt_error_string(errno);
        return;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        qCWarning(lcPlatform).noquote() << "Error: The lock file" << lockPath << "is not a file of this user's";
        ::close(fd);
        return;
    }
    int locked;
    while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        qCWarning(lcPlatform).noquote() << "Error: Can't lock" << lockPath << "-" << qt_error_string(errno);
        ::close(fd);
        return;
    }
    m_fd = fd;
}

FileLock::FileLock(FileLock &&other) noexcept
    : m_fd(other.m_fd)
{
    other.m_fd = -1;
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the flock
}
