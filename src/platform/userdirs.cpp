#include "userdirs.h"

#include "platformlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString fromEnvOr(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    // The XDG rules ignore relative paths.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return fallback;
}

constexpr mode_t kPrivate = S_IRWXU;

// Makes the folder when it is missing, reachable only by its user whatever the umask.
bool makePrivateFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), kPrivate) == 0)
        return ::chmod(path.constData(), kPrivate) == 0;
    return errno == EEXIST;
}

} // namespace

namespace UserDirs {

QString configHome()
{
    return fromEnvOr("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
}

QString dataHome()
{
    return fromEnvOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
}

QString runtimeDir()
{
    // Without XDG_RUNTIME_DIR, a folder of this user's own in the shared temporary folder:
    // one name for everybody there would let the first user to come lock out the others, or
    // let another user put a socket of theirs where ours is looked for.
    return fromEnvOr("XDG_RUNTIME_DIR", QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid()));
}

bool ensurePrivateDir(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    const QString parent = QFileInfo(clean).absolutePath();
    // Folders that are missing are made reachable only by their user from the start, parents
    // too (the XDG rules ask that of base folders a program has to create).
    QString prefix;
    for (const QString &part : parent.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        prefix += QLatin1Char('/') + part;
        if (!makePrivateFolder(QFile::encodeName(prefix)))
            return false;
    }
    // Somebody else's folder is no private folder of ours, whatever its mode says; nor is one
    // inside somebody else's folder (say a "runtime-<uid>" another user made in /tmp first),
    // where its owner could swap ours for another.
    struct stat info {};
    if (::stat(QFile::encodeName(parent).constData(), &info) != 0 || (info.st_uid != ::geteuid() && info.st_uid != 0)) {
        qCWarning(lcPlatform).noquote() << "Folder" << parent << "belongs to another user; not using it";
        return false;
    }
    const QByteArray native = QFile::encodeName(clean);
    if (!makePrivateFolder(native) || ::stat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    if (info.st_uid != ::geteuid()) {
        qCWarning(lcPlatform).noquote() << "Folder" << clean << "belongs to another user; not using it";
        return false;
    }
    return (info.st_mode & 07777) == kPrivate || ::chmod(native.constData(), kPrivate) == 0;
}

} // namespace UserDirs
