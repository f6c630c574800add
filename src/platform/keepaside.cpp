#include "keepaside.h"

#include "clock.h"
#include "platformlog.h"

#include <QFile>

#include <cstdio>
#include <sys/stat.h>

namespace {

// Whether anything (a dangling link too) has this name.
bool taken(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

QString keepAside(const QString &path, const QString &what)
{
    const QString stem =
        path + QStringLiteral(".unreadable-") + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString aside = stem;
    for (int n = 2; taken(aside); ++n)
        aside = stem + QLatin1Char('-') + QString::number(n);
    // rename() moves whatever is there as it is: a symbolic link stays a link, and the file it
    // points to is neither moved nor touched.
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
        qCWarning(lcPlatform).noquote() << what << "is unreadable and could not be moved aside:" << path;
        return {};
    }
    qCWarning(lcPlatform).noquote() << what << "is unreadable; kept it as" << aside;
    return aside;
}
