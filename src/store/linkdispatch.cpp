#include "linkdispatch.h"

#include "linkrequest.h"
#include "userdata.h"

#include <QUrl>

bool dispatchLink(UserData &store, const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const auto items = queryItems(url);
    if (!items || items->isEmpty())
        return false;
    if (items->size() == 1 || pageRequest(*items))
        store.openPageFromLink(*items);
    else
        store.addEventFromLink(url, *items);
    return true;
}
