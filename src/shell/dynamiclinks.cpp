#include "dynamiclinks.h"

#include <model/applinks.h>

DynamicLinkResult resolveUniversalLink(const QUrl &webLink)
{
    const bool web = webLink.scheme() == QLatin1String("https") || webLink.scheme() == QLatin1String("http");
    if (!web || webLink.host().compare(QLatin1String(AppLinks::kWebDomain), Qt::CaseInsensitive) != 0)
        return {std::nullopt, QStringLiteral("%1 is not a Tallowick link").arg(webLink.toDisplayString())};
    return {DynamicLink{webLink, DynamicLink::Unique}, QString()};
}
