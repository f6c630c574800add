#include "davxml.h"

#include <QXmlStreamReader>

namespace DavXml {
namespace {

bool is(const QXmlStreamReader &xml, QStringView ns, QStringView name)
{
    return xml.namespaceUri() == ns && xml.name() == name;
}

QString textOf(QXmlStreamReader &xml)
{
    return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
}

// The text of the first <DAV:href> inside the current element; the rest is skipped.
QString hrefIn(QXmlStreamReader &xml)
{
    QString href;
    while (xml.readNextStartElement()) {
        if (href.isEmpty() && is(xml, kDav, u"href"))
            href = textOf(xml);
        else
            xml.skipCurrentElement();
    }
    return href;
}

void readProp(QXmlStreamReader &xml, Member &into)
{
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, u"getetag")) {
            into.etag = textOf(xml).toUtf8();
        } else if (is(xml, kDav, u"displayname")) {
            into.displayName = textOf(xml);
        } else if (is(xml, kDav, u"sync-token")) {
            into.syncToken = textOf(xml);
        } else if (is(xml, kDav, u"current-user-principal")) {
            into.principal = hrefIn(xml);
        } else if (is(xml, kCalDav, u"calendar-home-set")) {
            into.calendarHome = hrefIn(xml);
        } else if (is(xml, kCalDav, u"calendar-data")) {
            into.calendarData = xml.readElementText(QXmlStreamReader::SkipChildElements).toUtf8();
        } else if (is(xml, kDav, u"resourcetype")) {
            while (xml.readNextStartElement()) {
                into.collection = into.collection || is(xml, kDav, u"collection");
                into.calendar = into.calendar || is(xml, kCalDav, u"calendar");
                xml.skipCurrentElement();
            }
        } else if (is(xml, kCalDav, u"supported-calendar-component-set")) {
            while (xml.readNextStartElement()) {
                if (is(xml, kCalDav, u"comp"))
                    into.components.append(xml.attributes().value(QLatin1String("name")).toString().toUpper());
                xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

// Properties of a propstat count only when its status says they were found.
void readPropstat(QXmlStreamReader &xml, Member &into)
{
    Member found;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, u"prop"))
            readProp(xml, found);
        else if (is(xml, kDav, u"status"))
            status = statusOf(textOf(xml));
        else
            xml.skipCurrentElement();
    }
    if (status < 200 || status > 299)
        return;
    if (!found.etag.isEmpty())
        into.etag = found.etag;
    if (!found.displayName.isEmpty())
        into.displayName = found.displayName;
    into.collection = into.collection || found.collection;
    into.calendar = into.calendar || found.calendar;
    into.components += found.components;
    if (!found.syncToken.isEmpty())
        into.syncToken = found.syncToken;
    if (!found.principal.isEmpty())
        into.principal = found.principal;
    if (!found.calendarHome.isEmpty())
        into.calendarHome = found.calendarHome;
    if (!found.calendarData.isEmpty())
        into.calendarData = found.calendarData;
}

Member readResponse(QXmlStreamReader &xml)
{
    Member member;
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, u"href") && member.href.isEmpty())
            member.href = textOf(xml);
        else if (is(xml, kDav, u"status"))
            member.status = statusOf(textOf(xml));
        else if (is(xml, kDav, u"propstat"))
            readPropstat(xml, member);
        else
            xml.skipCurrentElement();
    }
    return member;
}

} // namespace

int statusOf(QStringView statusLine)
{
    const QList<QStringView> words = statusLine.trimmed().split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 2 || !words[0].startsWith(u"HTTP/") || words[1].size() != 3)
        return 0;
    bool ok = false;
    const int code = words[1].toInt(&ok);
    return ok && code >= 100 ? code : 0;
}

Multistatus parseMultistatus(const QByteArray &body)
{
    Multistatus result;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !is(xml, kDav, u"multistatus")) {
        result.error = xml.hasError() ? QStringLiteral("unreadable XML: %1").arg(xml.errorString())
                                      : QStringLiteral("the answer is no WebDAV multistatus");
        return result;
    }
    while (xml.readNextStartElement()) {
        if (is(xml, kDav, u"response")) {
            Member member = readResponse(xml);
            if (!member.href.isEmpty())
                result.members.append(std::move(member));
        } else if (is(xml, kDav, u"sync-token")) {
            result.syncToken = textOf(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError()) {
        result.members.clear();
        result.syncToken.clear();
        result.error = QStringLiteral("unreadable XML at line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    }
    return result;
}

Error parseError(const QByteArray &body)
{
    Error result;
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !is(xml, kDav, u"error"))
        return result;
    while (xml.readNextStartElement()) {
        result.conditions.append(xml.name().toString());
        const QString href = hrefIn(xml);
        if (result.href.isEmpty())
            result.href = href;
    }
    return result;
}

} // namespace DavXml
