#include "keepaside.h"

#include "clock.h"
#include "platformlog.h"

#include <QFile>

QString keepAside(const QString &path, const QString &what)
{
    const QString stem =
        path + QStringLiteral(".unreadable-") + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString aside = stem;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = stem + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, aside)) {
        qCWarning(lcPlatform).noquote() << what << "is unreadable and could not be moved aside:" << path;
        return {};
    }
    qCWarning(lcPlatform).noquote() << what << "is unreadable; kept it as" << aside;
    return aside;
}
