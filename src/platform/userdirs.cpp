#include "userdirs.h"

#include <QDir>
#include <QFile>

namespace {

QString fromEnvOr(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    // The XDG rules ignore relative paths.
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return value;
    return fallback;
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
    return fromEnvOr("XDG_RUNTIME_DIR", QDir::tempPath());
}

bool ensurePrivateDir(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace UserDirs
