#include "titlelimit.h"

QString TitleLimit::counter(const QString &text, int limit)
{
    return QStringLiteral("%1 / %2").arg(length(text)).arg(limit);
}

QVariantMap TitleLimit::fitted(const QString &text, int cursor, int limit) const
{
    const Fitted result = fit(text, cursor, limit);
    return {{QStringLiteral("text"), result.text}, {QStringLiteral("cursor"), result.cursor}};
}
