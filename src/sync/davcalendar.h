#pragma once

#include "davoutcome.h"
#include "davtransport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// One calendar collection on a CalDAV server: listing what it holds (RFC 6578 sync-collection,
// or a plain ETag listing), fetching bodies (RFC 4791 calendar-multiget), and conditional
// writes (create only when absent, change and delete only the version last seen). Hrefs are
// as the server writes them (paths); ETags are kept byte for byte, since servers compare
// If-Match as exact strings.
class DavCalendar
{
public:
    struct Member
    {
        QString href;
        QByteArray etag;
        friend bool operator==(const Member &, const Member &) = default;
    };
    struct Changes
    {
        DavOutcome outcome;
        QList<Member> changed; // new or changed since the token
        QStringList removed;
        QString token; // to give next time
    };
    struct Listing
    {
        DavOutcome outcome;
        QList<Member> members;
    };
    struct Object
    {
        QString href;
        QByteArray etag;
        QByteArray data;
    };
    struct Bodies
    {
        DavOutcome outcome;
        QList<Object> objects; // those the server still had
    };
    struct Write
    {
        DavOutcome outcome;
        QString href;
        QByteArray etag; // the new ETag when the server gave one (else fetch to learn it)
    };

    DavCalendar(DavTransport &transport, QUrl collection);

    QUrl url() const { return m_url; }
    // The address of a member; an invalid one (never requested) for an href on another server,
    // as the credentials go to the collection's server only.
    QUrl urlOf(const QString &href) const;
    // Where Tallowick creates the object of an event: <id>.ics in the collection.
    QString hrefFor(const QString &id) const;

    // Changes since `token`, or everything when the token is empty. A server that cuts its
    // answer short (507 on the collection) is asked again with the token it gave, a few times.
    // InvalidSyncToken or Unsupported: list() instead.
    Changes changesSince(const QString &token);
    // Every object and its ETag: for servers without sync-collection, or after a dead token.
    Listing list();
    static constexpr int kMultigetBatch = 40;
    Bodies fetch(const QStringList &hrefs);

    // The object whose UID is exactly `uid` (a calendar-query, whose text match is only a
    // substring, checked on the bodies); nothing when there is none or the query fails.
    std::optional<Object> locate(const QString &uid);

    // With `ifMatch` empty, creates (If-None-Match: *); otherwise changes the version it names.
    // A UID conflict names the href holding that UID: the server's word, or else located.
    Write put(const QString &href, const QByteArray &object, const QByteArray &ifMatch = {});
    DavOutcome remove(const QString &href, const QByteArray &ifMatch);

private:
    bool isCollectionItself(const QString &href) const;

    DavTransport &m_transport;
    QUrl m_url;
};
