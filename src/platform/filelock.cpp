#include "filelock.h"

#include "platformlog.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock FileLock::refused(const QString &failure)
{
    FileLock lock{QString()};
    lock.m_failure = failure;
    return lock;
}

FileLock::FileLock(const QString &lockPath)
{
    if (lockPath.isEmpty()) {
        m_failure = QStringLiteral("the lock cannot be taken");
        return;
    }
    // O_NOFOLLOW: a link planted here by someone else must not make us create or lock a file
    // wherever it points. O_NONBLOCK: a pipe put here cannot hold the open.
    m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (m_fd < 0) {
        const int error = errno;
        m_failure = QStringLiteral("can't open the lock file %1 (%2)")
                        .arg(lockPath, error == ELOOP ? QStringLiteral("it is a symbolic link") : QString::fromLocal8Bit(std::strerror(error)));
        qCInfo(lcPlatform).noquote() << m_failure;
        return;
    }
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(m_fd);
        m_fd = -1;
        m_failure = QStringLiteral("can't use the lock file %1 (it is not a plain file)").arg(lockPath);
        qCInfo(lcPlatform).noquote() << m_failure;
        return;
    }
    while (::flock(m_fd, LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        const int error = errno;
        ::close(m_fd);
        m_fd = -1;
        m_failure = QStringLiteral("can't lock %1 (%2)").arg(lockPath, QString::fromLocal8Bit(std::strerror(error)));
        qCInfo(lcPlatform).noquote() << m_failure;
        return;
    }
}

FileLock::FileLock(FileLock &&other) noexcept
    : m_fd(other.m_fd)
    , m_failure(std::move(other.m_failure))
{
    other.m_fd = -1;
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the flock
}
