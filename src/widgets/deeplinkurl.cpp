#include "deeplinkurl.h"

#include <model/applinks.h>

#include <QUrlQuery>

QUrl deepLinkURL(const WidgetContent &entry)
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QLatin1String(AppLinks::kWebDomain));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("pageNumber"), QString::number(entry.pageNumber.value_or(0)));
    // The id finds the event wherever it has moved since the widget was drawn.
    if (entry.eventId && !entry.eventId->isEmpty())
        query.addQueryItem(QStringLiteral("eventId"), *entry.eventId);
    url.setQuery(query);
    if (!url.isValid())
        return QUrl(QStringLiteral("https://") + QLatin1String(AppLinks::kWebDomain));
    return url;
}
