#include "atomicfile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

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
    return true;
}

} // namespace AtomicFile
