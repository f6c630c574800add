#pragma once

#include "davtransport.h"

#include <QByteArray>
#include <QString>

// What a CalDAV request came to, decided on the HTTP status and the error body (never on
// QNetworkReply::error(), which calls 207 fine but 412 and 409 failures of its own kinds).
struct DavOutcome
{
    enum Kind {
        Ok,
        PreconditionFailed, // 412: someone else wrote first
        UidConflict,        // no-uid-conflict: the UID lives at another href (conflictHref if given)
        Forbidden,          // 403: a read-only calendar or no right to it
        QuotaExceeded,      // 507, or max-resource-size
        AuthFailed,         // 401
        InvalidSyncToken,   // 403 valid-sync-token: list everything again
        Unsupported,        // no sync-collection report: list everything instead
        Failed,             // anything else: no answer, a refused address, garbage, another status
    };
    Kind kind = Failed;
    QString reason; // one line for the person, empty when Ok
    QString conflictHref;

    bool ok() const { return kind == Ok; }

    static DavOutcome of(const DavTransport::Reply &reply);
    static DavOutcome failed(const QString &reason) { return {Failed, reason, {}}; }
};
