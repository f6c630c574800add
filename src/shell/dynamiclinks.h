#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// Stand-in for the service that turns a web link into one of the app's links. Web links on the
// app's own link domain resolve to themselves with a unique (strongest) match; anything else is
// an error.
struct DynamicLink
{
    enum MatchType { None = 0, Weak = 1, Default = 2, Unique = 3 };
    std::optional<QUrl> url;
    int matchType = None;
};

struct DynamicLinkResult
{
    std::optional<DynamicLink> link;
    QString error; // a description of what went wrong; empty on success
};

DynamicLinkResult resolveUniversalLink(const QUrl &webLink);
