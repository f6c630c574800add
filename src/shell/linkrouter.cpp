#include "linkrouter.h"

#include "shelllog.h"

#include <store/linkdispatch.h>
#include <store/userdata.h>


LinkRouter::LinkRouter(UserData &store, Resolver resolver)
    : m_store(store)
    , m_resolver(std::move(resolver))
{
}

void LinkRouter::open(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid())
        return;
    if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"))
        continueWebLink(url);
    else
        openUrl(url);
}

void LinkRouter::openUrl(const QUrl &url)
{
    // Scheme, host and path are not looked at: the query says what the link does.
    dispatchLink(m_store, url.toString(QUrl::FullyEncoded));
}

void LinkRouter::continueWebLink(const QUrl &webLink)
{
    handleResolved(m_resolver(webLink));
}

void LinkRouter::handleResolved(const DynamicLinkResult &result)
{
    if (!result.error.isEmpty()) {
        qCInfo(lcShell).noquote() << "found an error" << result.error;
        return;
    }
    if (!result.link)
        return;
    if (!result.link->url) {
        qCInfo(lcShell) << "no url";
        return;
    }
    if (result.link->matchType != DynamicLink::Unique && result.link->matchType != DynamicLink::Default) {
        qCInfo(lcShell) << "Not a strong enough match type to continue";
        return;
    }
    dispatchLink(m_store, result.link->url->toString(QUrl::FullyEncoded));
}
