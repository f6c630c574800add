#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Reading WebDAV/CalDAV answers (RFC 4918 §13 multistatus, §16 error bodies). Elements are
// matched by namespace URI and local name only: servers spell prefixes every way (d:, D:,
// none). Only properties in a propstat with a 2xx status count.
namespace DavXml {

inline constexpr QStringView kDav = u"DAV:";
inline constexpr QStringView kCalDav = u"urn:ietf:params:xml:ns:caldav";

// One <response> of a multistatus.
struct Member
{
    QString href;        // as the server wrote it (a path, usually percent-encoded)
    int status = 0;      // the response's own status line (e.g. 404 for a removed member), 0 if none
    QByteArray etag;
    QString displayName;
    bool collection = false;
    bool calendar = false;
    QStringList components; // supported-calendar-component-set; empty = not stated
    QString syncToken;
    QString principal;      // current-user-principal's href
    QString calendarHome;   // the first calendar-home-set href
    QByteArray calendarData;
};

struct Multistatus
{
    QList<Member> members;
    QString syncToken; // the multistatus' own (sync-collection)
    QString error;     // one line when the body is no readable multistatus
};

Multistatus parseMultistatus(const QByteArray &body);

// The preconditions named in a <DAV:error> body (local names such as "valid-sync-token",
// "no-uid-conflict", "need-privileges"), and the first href one of them carries.
struct Error
{
    QStringList conditions;
    QString href;
    bool has(QStringView condition) const { return conditions.contains(condition); }
};

Error parseError(const QByteArray &body);

// "HTTP/1.1 404 Not Found" -> 404; 0 for anything else.
int statusOf(QStringView statusLine);

} // namespace DavXml
