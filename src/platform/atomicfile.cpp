#include "atomicfile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <atomic>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::atomic<quint64> writes{0};

// Makes the rename itself durable: the directory entry lives in the folder's own data.
void syncDirectory(const QString &dirPath)
{
    const int fd = ::open(QFile::encodeName(dirPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

namespace AtomicFile {

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    syncDirectory(QFileInfo(path).absolutePath());
    writes.fetch_add(1, std::memory_order_relaxed);
    return true;
}

quint64 writeCount()
{
    return writes.load(std::memory_order_relaxed);
}

} // namespace AtomicFile
