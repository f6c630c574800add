#include "regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

namespace RegularFile {

Result read(const QString &path)
{
    Result result;
    // O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            result.outcome = Outcome::Missing;
        } else if (error == ELOOP) {
            result.outcome = Outcome::NotRegular; // O_NOFOLLOW met a symbolic link
        } else {
            result.outcome = Outcome::Failed;
            result.error = systemError(error);
        }
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.error = systemError(errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.outcome = Outcome::NotRegular;
    } else if (info.st_size > kMaxBytes) {
        result.outcome = Outcome::TooLarge;
    } else {
        QByteArray bytes;
        bytes.reserve(qsizetype(info.st_size));
        char buffer[64 * 1024];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof(buffer));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                result.error = systemError(errno);
                break;
            }
            if (got == 0) {
                result.outcome = Outcome::Read;
                result.bytes = std::move(bytes);
                break;
            }
            // A file that grows while we read is still bounded.
            if (bytes.size() + got > kMaxBytes) {
                result.outcome = Outcome::TooLarge;
                break;
            }
            bytes.append(buffer, got);
        }
    }
    ::close(fd);
    return result;
}

QString describe(const Result &result)
{
    switch (result.outcome) {
    case Outcome::Read:
        return QStringLiteral("read");
    case Outcome::Missing:
        return QStringLiteral("missing");
    case Outcome::NotRegular:
        return QStringLiteral("not a regular file (a link, pipe, device or folder)");
    case Outcome::TooLarge:
        return QStringLiteral("larger than %1 bytes").arg(kMaxBytes);
    case Outcome::Failed:
        return result.error;
    }
    return result.error;
}

} // namespace RegularFile
