#include "sharedcontainer.h"

#include "userdirs.h"

namespace SharedContainer {

QString path()
{
    return UserDirs::dataHome() + QLatin1Char('/') + QLatin1String(kGroupIdentifier);
}

QString ensure()
{
    const QString dir = path();
    return UserDirs::ensurePrivateDir(dir) ? dir : QString();
}

} // namespace SharedContainer
