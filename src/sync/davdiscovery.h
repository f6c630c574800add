#pragma once

#include "davoutcome.h"
#include "davtransport.h"

#include <QString>
#include <QUrl>

// Finding the calendar to sync from what the person typed: a calendar collection's own
// address is used as it is; from a server's root (or any other address on it) the calendar
// home is found (RFC 6764 /.well-known/caldav, RFC 5397 current-user-principal, RFC 4791
// calendar-home-set) and the calendar of the given display name in it is used, or made with
// MKCALENDAR when there is none.
namespace DavDiscovery {

inline const QString kDefaultCalendarName = QStringLiteral("Tallowick");

struct Found
{
    DavOutcome outcome;
    QUrl calendar;
    QString displayName;
    bool created = false;
};

Found calendar(DavTransport &transport, const QUrl &address, const QString &name = kDefaultCalendarName);

} // namespace DavDiscovery
