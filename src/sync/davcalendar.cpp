#include "davcalendar.h"

#include "davxml.h"

#include <QHash>

namespace {

const QByteArray kXmlType = "application/xml; charset=utf-8";

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// A multistatus, or the outcome saying why there is none.
DavOutcome readMultistatus(const DavTransport::Reply &reply, DavXml::Multistatus &into)
{
    DavOutcome outcome = DavOutcome::of(reply);
    if (!outcome.ok())
        return outcome;
    if (reply.status != 207)
        return DavOutcome::failed(QStringLiteral("the server answered %1 where a list was expected").arg(reply.status));
    into = DavXml::parseMultistatus(reply.body);
    if (!into.error.isEmpty())
        return DavOutcome::failed(QStringLiteral("the server's answer is unreadable (%1)").arg(into.error));
    return outcome;
}

// The UID of the first component of an object, unfolded; empty when there is none.
QString uidOf(const QByteArray &object)
{
    QByteArray unfolded = object;
    unfolded.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
    for (const QByteArray &line : unfolded.split('\n'))
        if (line.startsWith("UID:") || line.startsWith("UID;"))
            return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
    return {};
}

} // namespace

DavCalendar::DavCalendar(DavTransport &transport, QUrl collection)
    : m_transport(transport)
    , m_url(std::move(collection))
{
    // Members are resolved against the collection, which needs its slash for that.
    m_url.setPath(withSlash(m_url.path()));
}

QUrl DavCalendar::urlOf(const QString &href) const
{
    const QUrl url = m_url.resolved(QUrl(href, QUrl::StrictMode));
    return DavTransport::sameServer(url, m_url) ? url : QUrl();
}

QString DavCalendar::hrefFor(const QString &id) const
{
    return withSlash(m_url.path(QUrl::FullyEncoded)) + QString::fromLatin1(QUrl::toPercentEncoding(id)) +
           QStringLiteral(".ics");
}

bool DavCalendar::isCollectionItself(const QString &href) const
{
    return withSlash(urlOf(href).path()) == m_url.path();
}

DavCalendar::Changes DavCalendar::changesSince(const QString &token)
{
    Changes result;
    result.token = token;
    // Later pages of a cut-short answer say what is newer: each href keeps its last word.
    QList<QString> order;
    QHash<QString, std::optional<QByteArray>> latest; // nullopt = removed
    constexpr int kMaxPages = 20;
    for (int page = 0;; ++page) {
        const QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>" +
                                escaped(result.token) +
                                "</d:sync-token><d:sync-level>1</d:sync-level>"
                                "<d:prop><d:getetag/></d:prop></d:sync-collection>";
        DavXml::Multistatus answer;
        const DavTransport::Reply reply = m_transport.send("REPORT", m_url, body, {{"Content-Type", kXmlType}});
        result.outcome = readMultistatus(reply, answer);
        // Servers without the report say so in several ways; the caller lists everything instead.
        if (reply.status == 400 || reply.status == 405 || reply.status == 501 ||
            (reply.status == 403 && DavXml::parseError(reply.body).has(u"supported-report")))
            result.outcome = {DavOutcome::Unsupported, QStringLiteral("the server keeps no change list"), {}};
        if (!result.outcome.ok())
            return {result.outcome, {}, {}, token};
        if (answer.syncToken.isEmpty())
            return {DavOutcome::failed(QStringLiteral("the server's change list carries no sync token")), {}, {}, token};
        bool truncated = false;
        for (const DavXml::Member &member : answer.members) {
            if (isCollectionItself(member.href)) {
                truncated = truncated || member.status == 507;
                continue;
            }
            if (member.status == 404) {
                if (!latest.contains(member.href))
                    order.append(member.href);
                latest.insert(member.href, std::nullopt);
            } else if (!member.etag.isEmpty() && (member.status == 0 || member.status / 100 == 2)) {
                if (!latest.contains(member.href))
                    order.append(member.href);
                latest.insert(member.href, member.etag);
            }
        }
        result.token = answer.syncToken;
        if (!truncated)
            break;
        if (page + 1 >= kMaxPages)
            return {DavOutcome::failed(QStringLiteral("the server's change list did not come to an end")), {}, {}, token};
    }
    for (const QString &href : order) {
        const std::optional<QByteArray> &etag = latest[href];
        if (etag)
            result.changed.append({href, *etag});
        else
            result.removed.append(href);
    }
    return result;
}

DavCalendar::Listing DavCalendar::list()
{
    const QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                            "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:resourcetype/><d:getetag/></d:prop></d:propfind>";
    DavXml::Multistatus answer;
    Listing result;
    result.outcome = readMultistatus(
        m_transport.send("PROPFIND", m_url, body, {{"Depth", "1"}, {"Content-Type", kXmlType}}), answer);
    if (!result.outcome.ok())
        return result;
    for (const DavXml::Member &member : answer.members) {
        if (member.collection || member.etag.isEmpty() || isCollectionItself(member.href))
            continue;
        result.members.append({member.href, member.etag});
    }
    return result;
}

DavCalendar::Bodies DavCalendar::fetch(const QStringList &hrefs)
{
    Bodies result;
    result.outcome = DavOutcome{DavOutcome::Ok, {}, {}};
    for (qsizetype start = 0; start < hrefs.size(); start += kMultigetBatch) {
        QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                          "<c:calendar-multiget xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                          "<d:prop><d:getetag/><c:calendar-data/></d:prop>";
        const QStringList batch = hrefs.mid(start, kMultigetBatch);
        for (const QString &href : batch)
            body += "<d:href>" + escaped(href) + "</d:href>";
        body += "</c:calendar-multiget>";
        DavXml::Multistatus answer;
        result.outcome = readMultistatus(
            m_transport.send("REPORT", m_url, body, {{"Content-Type", kXmlType}}), answer);
        if (!result.outcome.ok())
            return {result.outcome, {}};
        // Matched by path, since servers may spell the percent-encoding of an href otherwise;
        // only what was asked for counts, in the caller's spelling.
        QHash<QString, QString> asked;
        for (const QString &href : batch)
            asked.insert(urlOf(href).path(), href);
        for (const DavXml::Member &member : answer.members) {
            const auto href = asked.constFind(urlOf(member.href).path());
            if (href == asked.cend() || member.calendarData.isEmpty())
                continue;
            if (member.status != 0 && member.status / 100 != 2)
                continue;
            result.objects.append({*href, member.etag, member.calendarData});
        }
    }
    return result;
}

std::optional<DavCalendar::Object> DavCalendar::locate(const QString &uid)
{
    const QByteArray body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                            "<c:calendar-query xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                            "<d:prop><d:getetag/><c:calendar-data/></d:prop>"
                            "<c:filter><c:comp-filter name=\"VCALENDAR\"><c:comp-filter name=\"VEVENT\">"
                            "<c:prop-filter name=\"UID\"><c:text-match collation=\"i;octet\">" +
                            escaped(uid) +
                            "</c:text-match></c:prop-filter></c:comp-filter></c:comp-filter></c:filter>"
                            "</c:calendar-query>";
    DavXml::Multistatus answer;
    if (!readMultistatus(m_transport.send("REPORT", m_url, body, {{"Depth", "1"}, {"Content-Type", kXmlType}}), answer)
             .ok())
        return std::nullopt;
    for (const DavXml::Member &member : answer.members)
        if ((member.status == 0 || member.status / 100 == 2) && uidOf(member.calendarData) == uid)
            return Object{member.href, member.etag, member.calendarData};
    return std::nullopt;
}

DavCalendar::Write DavCalendar::put(const QString &href, const QByteArray &object, const QByteArray &ifMatch)
{
    DavTransport::Headers headers{{"Content-Type", "text/calendar; charset=utf-8"}};
    if (ifMatch.isEmpty())
        headers.append(qMakePair(QByteArray("If-None-Match"), QByteArray("*")));
    else
        headers.append(qMakePair(QByteArray("If-Match"), ifMatch));
    const DavTransport::Reply reply = m_transport.send("PUT", urlOf(href), object, headers);
    Write result{DavOutcome::of(reply), href, {}};
    // A weak ETag says the server stored something else than was sent (RFC 4791 §5.3.4): the
    // caller fetches the object to learn what.
    if (result.outcome.ok() && !reply.etag.startsWith("W/"))
        result.etag = reply.etag;
    if (result.outcome.kind == DavOutcome::UidConflict && result.outcome.conflictHref.isEmpty())
        if (const std::optional<Object> holder = locate(uidOf(object)))
            result.outcome.conflictHref = holder->href;
    return result;
}

DavOutcome DavCalendar::remove(const QString &href, const QByteArray &ifMatch)
{
    const DavTransport::Reply reply = m_transport.send("DELETE", urlOf(href), {}, {{"If-Match", ifMatch}});
    // Gone already is what a delete wants (someone else deleted it too).
    if (reply.status == 404)
        return {DavOutcome::Ok, {}, {}};
    return DavOutcome::of(reply);
}
