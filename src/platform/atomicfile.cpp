#include "atomicfile.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::atomic<quint64> writes{0};

// Makes the rename itself durable: the directory entry lives in the folder's own data.
void syncDirectory(const QByteArray &dirPath)
{
    const int fd = ::open(dirPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

namespace AtomicFile {

bool write(const QString &path, const QByteArray &bytes)
{
    // Our own temporary file and rename(), not QSaveFile: QSaveFile follows a symbolic link
    // and replaces the file it points to, so a link planted at one of our names would turn
    // our writes onto any file the user can write. rename() replaces the link itself.
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    QByteArray temporary = target + ".tmp-XXXXXX";
    // mkostemp creates the file new (never through a link) and readable only by its user.
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    syncDirectory(QFile::encodeName(info.absolutePath()));
    writes.fetch_add(1, std::memory_order_relaxed);
    return true;
}

quint64 writeCount()
{
    return writes.load(std::memory_order_relaxed);
}

} // namespace AtomicFile
