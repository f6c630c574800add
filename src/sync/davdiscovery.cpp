#include "davdiscovery.h"

#include "davxml.h"

namespace DavDiscovery {
namespace {

const QByteArray kXmlType = "application/xml; charset=utf-8";

const QByteArray kCollectionProps =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop>"
    "<d:resourcetype/><d:displayname/><c:supported-calendar-component-set/><d:sync-token/>"
    "<d:current-user-principal/><c:calendar-home-set/>"
    "</d:prop></d:propfind>";

struct Propfind
{
    DavOutcome outcome;
    QUrl url; // after redirects: hrefs resolve against it
    QList<DavXml::Member> members;
};

Propfind propfind(DavTransport &transport, const QUrl &url, const QByteArray &depth)
{
    const DavTransport::Reply reply =
        transport.send("PROPFIND", url, kCollectionProps, {{"Depth", depth}, {"Content-Type", kXmlType}});
    Propfind result{DavOutcome::of(reply), reply.url, {}};
    if (!result.outcome.ok())
        return result;
    const DavXml::Multistatus answer = DavXml::parseMultistatus(reply.body);
    if (reply.status != 207 || !answer.error.isEmpty())
        result.outcome = DavOutcome::failed(QStringLiteral("%1 gave no WebDAV answer (%2)")
                                                .arg(url.toDisplayString(QUrl::RemoveUserInfo),
                                                     answer.error.isEmpty() ? QString::number(reply.status) : answer.error));
    result.members = answer.members;
    return result;
}

bool holdsEvents(const DavXml::Member &member)
{
    return member.calendar && (member.components.isEmpty() || member.components.contains(QLatin1String("VEVENT")));
}

// The member describing the requested address itself (Depth 0 answers hold only it; take the
// first when a server spells its href otherwise).
const DavXml::Member *itself(const Propfind &answer)
{
    for (const DavXml::Member &member : answer.members)
        if (answer.url.resolved(QUrl(member.href)).path() == answer.url.path())
            return &member;
    return answer.members.isEmpty() ? nullptr : &answer.members.first();
}

Found useAsIs(const Propfind &answer, const DavXml::Member &member)
{
    return {DavOutcome{DavOutcome::Ok, {}, {}}, answer.url.resolved(QUrl(member.href)), member.displayName, false};
}

QUrl slashed(QUrl url)
{
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    return url;
}

Found inHome(DavTransport &transport, const QUrl &home, const QString &name)
{
    const Propfind listing = propfind(transport, home, "1");
    if (!listing.outcome.ok())
        return {listing.outcome, {}, {}, false};
    for (const DavXml::Member &member : listing.members)
        if (holdsEvents(member) && member.displayName == name &&
            DavTransport::sameServer(listing.url.resolved(QUrl(member.href)), listing.url))
            return useAsIs(listing, member);

    // A fixed address for the name, so that two devices set up at once meet at one calendar.
    QString slug = QString::fromLatin1(QUrl::toPercentEncoding(name.isEmpty() ? kDefaultCalendarName : name));
    if (slug.startsWith(QLatin1Char('.'))) // never "." or "..": the home itself or above it
        slug.prepend(QLatin1Char('_'));
    const QUrl target = slashed(listing.url).resolved(QUrl(slug + QLatin1Char('/')));
    const QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                            "<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                            "<d:set><d:prop><d:displayname>" +
                            name.toHtmlEscaped().toUtf8() +
                            "</d:displayname><c:supported-calendar-component-set><c:comp name=\"VEVENT\"/>"
                            "</c:supported-calendar-component-set></d:prop></d:set></c:mkcalendar>";
    const DavTransport::Reply made = transport.send("MKCALENDAR", target, body, {{"Content-Type", kXmlType}});
    if (made.status == 201 || made.status == 200)
        return {DavOutcome{DavOutcome::Ok, {}, {}}, made.url, name, true};
    if (made.status != 405 && made.status != 409)
        return {DavOutcome::of(made), {}, {}, false};
    // Something is there already (made meanwhile, or renamed since): a calendar is taken.
    const Propfind there = propfind(transport, target, "0");
    if (const DavXml::Member *member = itself(there); there.outcome.ok() && member && holdsEvents(*member))
        return useAsIs(there, *member);
    return {DavOutcome::failed(QStringLiteral("could not create the calendar \"%1\": %2 is taken by something else")
                                   .arg(name, target.toDisplayString(QUrl::RemoveUserInfo))),
            {}, {}, false};
}

// The password goes to the server the person named only: one that keeps calendars on
// another says where, for the person to give that address instead.
Found elsewhere(const QUrl &url)
{
    return {DavOutcome::failed(QStringLiteral("the server keeps this user's calendars on another server (%1); "
                                              "give that address instead")
                                   .arg(url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath))),
            {}, {}, false};
}

} // namespace

Found calendar(DavTransport &transport, const QUrl &address, const QString &name)
{
    const Propfind asked = propfind(transport, address, "0");
    if (asked.outcome.kind == DavOutcome::AuthFailed)
        return {asked.outcome, {}, {}, false};
    const DavXml::Member *member = asked.outcome.ok() ? itself(asked) : nullptr;
    if (member && holdsEvents(*member))
        return useAsIs(asked, *member);

    QUrl base = asked.url;
    QString home = member ? member->calendarHome : QString();
    QString principal = member ? member->principal : QString();
    if (home.isEmpty() && principal.isEmpty()) {
        // RFC 6764 §5: the server's well-known address leads to where the principal is.
        const Propfind known = propfind(transport, address.resolved(QUrl(QStringLiteral("/.well-known/caldav"))), "0");
        if (!known.outcome.ok())
            return {asked.outcome.ok() ? known.outcome : asked.outcome, {}, {}, false};
        const DavXml::Member *answer = itself(known);
        if (answer && holdsEvents(*answer))
            return useAsIs(known, *answer);
        base = known.url;
        home = answer ? answer->calendarHome : QString();
        principal = answer ? answer->principal : QString();
        if (home.isEmpty() && principal.isEmpty())
            return {DavOutcome::failed(QStringLiteral("%1 names no calendars of this user (no CalDAV principal)")
                                           .arg(address.toDisplayString(QUrl::RemoveUserInfo))),
                    {}, {}, false};
    }
    if (home.isEmpty()) {
        const QUrl principalUrl = base.resolved(QUrl(principal));
        if (!DavTransport::sameServer(principalUrl, base))
            return elsewhere(principalUrl);
        const Propfind of = propfind(transport, principalUrl, "0");
        if (!of.outcome.ok())
            return {of.outcome, {}, {}, false};
        const DavXml::Member *answer = itself(of);
        home = answer ? answer->calendarHome : QString();
        base = of.url;
        if (home.isEmpty())
            return {DavOutcome::failed(QStringLiteral("the server names no calendar home for this user")), {}, {}, false};
    }
    const QUrl homeUrl = slashed(base.resolved(QUrl(home)));
    if (!DavTransport::sameServer(homeUrl, base))
        return elsewhere(homeUrl);
    return inHome(transport, homeUrl, name);
}

} // namespace DavDiscovery
