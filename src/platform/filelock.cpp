#include "filelock.h"

#include "platformlog.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::FileLock(const QString &lockPath)
{
    m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        qCWarning(lcPlatform).noquote() << "Can't open the lock file" << lockPath;
        return;
    }
    while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
    }
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
