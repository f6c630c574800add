#pragma once

#include "dynamiclinks.h"

#include <QString>
#include <QUrl>
#include <functional>

class UserData;

// Brings the links that reach the app to its store: links of the app's own scheme as opened
// URLs, web links through the link resolver first. Either way a link with one query item selects
// a page and one with more adds a shared event.
class LinkRouter
{
public:
    using Resolver = std::function<DynamicLinkResult(const QUrl &)>;

    explicit LinkRouter(UserData &store, Resolver resolver = resolveUniversalLink);

    // Any link text the app was given (command line, another start, the desktop).
    void open(const QString &link);
    // A URL opened for the app.
    void openUrl(const QUrl &url);
    // A web link handed over as the page the person was on; resolved before it is used.
    void continueWebLink(const QUrl &webLink);

private:
    void handleResolved(const DynamicLinkResult &result);

    UserData &m_store;
    Resolver m_resolver;
};
