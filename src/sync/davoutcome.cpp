#include "davoutcome.h"

#include "davxml.h"

DavOutcome DavOutcome::of(const DavTransport::Reply &reply)
{
    if (reply.status == 0)
        return failed(reply.failure);
    if (reply.status >= 200 && reply.status <= 299)
        return {Ok, {}, {}};
    const QString where = reply.url.toDisplayString(QUrl::RemoveUserInfo);
    const DavXml::Error error = DavXml::parseError(reply.body);
    if (error.has(u"no-uid-conflict"))
        return {UidConflict, QStringLiteral("an object with this UID is already on the server at another address"),
                error.href};
    if (error.has(u"valid-sync-token"))
        return {InvalidSyncToken, QStringLiteral("the server no longer knows the sync token"), {}};
    if (reply.status == 507 || error.has(u"max-resource-size"))
        return {QuotaExceeded, QStringLiteral("the server has no room for this (quota or size limit)"), {}};
    switch (reply.status) {
    case 401:
        return {AuthFailed, QStringLiteral("the server refused the user name or password"), {}};
    case 403:
        return {Forbidden, QStringLiteral("the server does not allow this change (read-only calendar?): %1").arg(where),
                {}};
    case 412:
        return {PreconditionFailed, QStringLiteral("changed on the server meanwhile: %1").arg(where), {}};
    default:
        return failed(QStringLiteral("the server answered %1 for %2").arg(reply.status).arg(where));
    }
}
