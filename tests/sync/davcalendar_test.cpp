#include "radicaletest.h"
#include "scriptedserver.h"

#include <support/testevents.h>
#include <sync/calendarobject.h>
#include <sync/davcalendar.h>
#include <sync/davdiscovery.h>

#include <QElapsedTimer>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

#include <optional>

// The CalDAV requests against a real server (Debian's Radicale), one check per promise.
namespace {

const QDateTime kStamp(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC);

std::string text(const DavOutcome &outcome)
{
    return QStringLiteral("kind %1: %2").arg(outcome.kind).arg(outcome.reason).toStdString();
}

QByteArray objectOf(const EDate &event)
{
    const std::optional<QByteArray> object = CalendarObject::of({event, QStringLiteral("a0")}, kStamp);
    EXPECT_TRUE(object.has_value());
    return object.value_or(QByteArray());
}

class DavOnRadicale : public RadicaleTest
{
protected:

    // alice's calendar of this name, found or made from the server's root.
    DavCalendar calendarNamed(const QString &name)
    {
        const DavDiscovery::Found found = DavDiscovery::calendar(alice, server->root(), name);
        EXPECT_TRUE(found.outcome.ok()) << text(found.outcome);
        return DavCalendar(alice, found.calendar);
    }

    DavTransport alice{QStringLiteral("alice"), QStringLiteral("alicepw"), std::chrono::seconds(10)};
};

TEST_F(DavOnRadicale, DiscoveryFromTheRootMakesTheCalendarOnceThenFindsIt)
{
    const DavDiscovery::Found made = DavDiscovery::calendar(alice, server->root());
    ASSERT_TRUE(made.outcome.ok()) << text(made.outcome);
    EXPECT_TRUE(made.created);
    EXPECT_EQ(made.displayName, QStringLiteral("Tallowick"));
    EXPECT_TRUE(made.calendar.path().startsWith(QStringLiteral("/alice/"))) << made.calendar.toString().toStdString();

    const DavDiscovery::Found other = DavDiscovery::calendar(alice, server->root(), QStringLiteral("Work"));
    ASSERT_TRUE(other.outcome.ok()) << text(other.outcome);
    EXPECT_NE(other.calendar, made.calendar);

    const QUrl wellKnown = server->root().resolved(QUrl(QStringLiteral("/.well-known/caldav")));
    for (const QUrl &address : {server->root(), wellKnown, made.calendar}) {
        const DavDiscovery::Found again = DavDiscovery::calendar(alice, address);
        ASSERT_TRUE(again.outcome.ok()) << address.toString().toStdString() << ": " << text(again.outcome);
        EXPECT_FALSE(again.created) << address.toString().toStdString();
        EXPECT_EQ(again.calendar, made.calendar) << address.toString().toStdString();
    }
}

TEST_F(DavOnRadicale, ObjectsAreWrittenOnlyOverTheVersionLastSeen)
{
    DavCalendar calendar = calendarNamed(QStringLiteral("Tallowick"));
    const EDate trip = TestEvent::numbered(1).titled(QStringLiteral("Trip"));
    const QString href = calendar.hrefFor(trip.id);

    const DavCalendar::Write created = calendar.put(href, objectOf(trip));
    ASSERT_TRUE(created.outcome.ok()) << text(created.outcome);
    ASSERT_FALSE(created.etag.isEmpty());
    EXPECT_EQ(calendar.put(href, objectOf(trip)).outcome.kind, DavOutcome::PreconditionFailed)
        << "a create never overwrites";

    const DavCalendar::Bodies read = calendar.fetch({href});
    ASSERT_TRUE(read.outcome.ok()) << text(read.outcome);
    ASSERT_EQ(read.objects.size(), 1);
    EXPECT_EQ(read.objects[0].etag, created.etag);
    const CalendarObject::Reading reading = CalendarObject::read(read.objects[0].data);
    ASSERT_TRUE(reading.synced.has_value());
    EXPECT_EQ(reading.synced->event, trip);

    const EDate renamed = TestEvent::from(trip).titled(QStringLiteral("Trip home"));
    const DavCalendar::Write changed = calendar.put(href, objectOf(renamed), created.etag);
    ASSERT_TRUE(changed.outcome.ok()) << text(changed.outcome);
    EXPECT_NE(changed.etag, created.etag);
    EXPECT_EQ(calendar.put(href, objectOf(trip), created.etag).outcome.kind, DavOutcome::PreconditionFailed);

    const DavCalendar::Write twin = calendar.put(calendar.hrefFor(QStringLiteral("elsewhere")), objectOf(renamed));
    EXPECT_EQ(twin.outcome.kind, DavOutcome::UidConflict) << text(twin.outcome);
    EXPECT_EQ(twin.outcome.conflictHref, href);

    EXPECT_EQ(calendar.remove(href, created.etag).kind, DavOutcome::PreconditionFailed);
    const DavOutcome removed = calendar.remove(href, changed.etag);
    EXPECT_TRUE(removed.ok()) << text(removed);
    const DavCalendar::Bodies gone = calendar.fetch({href});
    EXPECT_TRUE(gone.outcome.ok() && gone.objects.isEmpty());
}

TEST_F(DavOnRadicale, ChangesSinceATokenNameWhatChangedAndWhatWent)
{
    DavCalendar calendar = calendarNamed(QStringLiteral("Tallowick"));
    QList<DavCalendar::Write> written;
    for (int n = 1; n <= 3; ++n) {
        const EDate event = TestEvent::numbered(n);
        written.append(calendar.put(calendar.hrefFor(event.id), objectOf(event)));
        ASSERT_TRUE(written.last().outcome.ok()) << text(written.last().outcome);
    }
    const DavCalendar::Changes first = calendar.changesSince({});
    ASSERT_TRUE(first.outcome.ok()) << text(first.outcome);
    EXPECT_EQ(first.changed.size(), 3);
    EXPECT_TRUE(first.removed.isEmpty());

    const EDate changedEvent = TestEvent::numbered(2).titled(QStringLiteral("Moved"));
    const DavCalendar::Write changed =
        calendar.put(written[1].href, objectOf(changedEvent), written[1].etag);
    ASSERT_TRUE(changed.outcome.ok());
    ASSERT_TRUE(calendar.remove(written[2].href, written[2].etag).ok());

    const DavCalendar::Changes next = calendar.changesSince(first.token);
    ASSERT_TRUE(next.outcome.ok()) << text(next.outcome);
    EXPECT_EQ(next.changed, (QList<DavCalendar::Member>{{written[1].href, changed.etag}}));
    EXPECT_EQ(next.removed, QStringList{written[2].href});
    EXPECT_NE(next.token, first.token);

    const DavCalendar::Listing listing = calendar.list();
    ASSERT_TRUE(listing.outcome.ok()) << text(listing.outcome);
    EXPECT_EQ(listing.members.size(), 2);
    EXPECT_TRUE(listing.members.contains(DavCalendar::Member{written[0].href, written[0].etag}));
    EXPECT_TRUE(listing.members.contains(DavCalendar::Member{written[1].href, changed.etag}));

    const DavCalendar::Changes dead = calendar.changesSince(QStringLiteral("http://radicale.org/ns/sync/madeup"));
    EXPECT_EQ(dead.outcome.kind, DavOutcome::InvalidSyncToken) << text(dead.outcome);
}

TEST_F(DavOnRadicale, AWrongPasswordIsSaidSo)
{
    calendarNamed(QStringLiteral("Tallowick"));
    DavTransport wrong(QStringLiteral("alice"), QStringLiteral("wrong"), std::chrono::seconds(10));
    const DavDiscovery::Found found = DavDiscovery::calendar(wrong, server->root());
    EXPECT_EQ(found.outcome.kind, DavOutcome::AuthFailed) << text(found.outcome);
}

QByteArray redirectTo(const QString &location)
{
    return "HTTP/1.1 308 Permanent Redirect\r\nLocation: " + location.toUtf8() + "\r\nContent-Length: 0\r\n\r\n";
}

TEST(DavTransport, RedirectsAreFollowedWithTheSameRequestOnlyOnTheSameServer)
{
    ScriptedServer server({redirectTo(QStringLiteral("/b/")),
                           "HTTP/1.1 207 Multi-Status\r\nContent-Length: 0\r\n\r\n"});
    DavTransport transport(QStringLiteral("alice"), QStringLiteral("pw"));
    const QUrl start(QStringLiteral("http://127.0.0.1:%1/a/").arg(server.port()));
    const DavTransport::Reply reply = transport.send("PROPFIND", start, "<body/>", {{"Depth", "0"}});
    EXPECT_EQ(reply.status, 207) << reply.failure.toStdString();
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_TRUE(server.requests[1].startsWith("PROPFIND /b/ ")) << server.requests[1].constData();
    EXPECT_TRUE(server.requests[1].endsWith("\r\n\r\n<body/>"));
    EXPECT_TRUE(server.requests[1].contains("Authorization: Basic"));

    // Another host (127.0.0.2 is this machine too, so following it would be seen here).
    ScriptedServer away({}, QHostAddress::Any);
    away.answers = {redirectTo(QStringLiteral("http://127.0.0.2:%1/").arg(away.port()))};
    const QUrl there(QStringLiteral("http://127.0.0.1:%1/").arg(away.port()));
    const DavTransport::Reply refused = transport.send("PROPFIND", there);
    EXPECT_EQ(refused.status, 0);
    EXPECT_TRUE(refused.failure.contains(QStringLiteral("another server"))) << refused.failure.toStdString();
    EXPECT_EQ(away.requests.size(), 1);
}

QByteArray multistatus(const QByteArray &xml)
{
    return "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: " +
           QByteArray::number(xml.size()) + "\r\n\r\n" + xml;
}

// A server that cuts its change list short (507 on the collection) is asked again with the
// token it gave, and what the later page says of an href wins.
TEST(DavCalendar, AChangeListCutShortIsAskedForAgain)
{
    ScriptedServer server({
        multistatus(R"(<d:multistatus xmlns:d="DAV:">
          <d:response><d:href>/c/a.ics</d:href><d:propstat><d:prop><d:getetag>"1"</d:getetag></d:prop>
            <d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
          <d:response><d:href>/c/b.ics</d:href><d:propstat><d:prop><d:getetag>"2"</d:getetag></d:prop>
            <d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
          <d:response><d:href>/c/</d:href><d:status>HTTP/1.1 507 Insufficient Storage</d:status></d:response>
          <d:sync-token>t&amp;1</d:sync-token></d:multistatus>)"),
        multistatus(R"(<d:multistatus xmlns:d="DAV:">
          <d:response><d:href>/c/a.ics</d:href><d:status>HTTP/1.1 404 Not Found</d:status></d:response>
          <d:sync-token>t2</d:sync-token></d:multistatus>)"),
    });
    DavTransport transport(QStringLiteral("alice"), QStringLiteral("pw"));
    DavCalendar calendar(transport, QUrl(QStringLiteral("http://127.0.0.1:%1/c").arg(server.port())));
    const DavCalendar::Changes changes = calendar.changesSince({});
    ASSERT_TRUE(changes.outcome.ok()) << text(changes.outcome);
    EXPECT_EQ(changes.changed, (QList<DavCalendar::Member>{{QStringLiteral("/c/b.ics"), "\"2\""}}));
    EXPECT_EQ(changes.removed, QStringList{QStringLiteral("/c/a.ics")});
    EXPECT_EQ(changes.token, QStringLiteral("t2"));
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_TRUE(server.requests[1].contains("<d:sync-token>t&amp;1</d:sync-token>")) << server.requests[1].constData();
}

// However a server says it has no change list, the caller hears it should list instead.
TEST(DavCalendar, AServerWithoutChangeListsIsToldApart)
{
    const QByteArray answers[] = {
        "HTTP/1.1 501 Not Implemented\r\nContent-Length: 0\r\n\r\n",
        "HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 0\r\n\r\n",
        "HTTP/1.1 403 Forbidden\r\nContent-Length: 55\r\n\r\n<d:error xmlns:d=\"DAV:\"><d:supported-report/></d:error>",
    };
    for (const QByteArray &answer : answers) {
        ScriptedServer server({answer});
        DavTransport transport(QStringLiteral("alice"), QStringLiteral("pw"));
        DavCalendar calendar(transport, QUrl(QStringLiteral("http://127.0.0.1:%1/c/").arg(server.port())));
        EXPECT_EQ(calendar.changesSince(QStringLiteral("t")).outcome.kind, DavOutcome::Unsupported) << answer.constData();
    }
}

// Hrefs come from the server: one naming another server is never requested, so the password
// cannot follow it there.
TEST(DavCalendar, HrefsOnAnotherServerAreNeverRequested)
{
    ScriptedServer server({}, QHostAddress::Any);
    DavTransport transport(QStringLiteral("alice"), QStringLiteral("pw"));
    DavCalendar calendar(transport, QUrl(QStringLiteral("http://127.0.0.1:%1/c/").arg(server.port())));
    const QString elsewhere = QStringLiteral("http://127.0.0.2:%1/c/a.ics").arg(server.port());
    EXPECT_EQ(calendar.put(elsewhere, "BEGIN:VCALENDAR").outcome.kind, DavOutcome::Failed);
    EXPECT_EQ(calendar.remove(elsewhere, "\"1\"").kind, DavOutcome::Failed);
    EXPECT_EQ(calendar.put(QStringLiteral("/c/a.ics"), "x", "\"1\"\r\nX-Other: 1").outcome.kind, DavOutcome::Failed)
        << "a header value with a line break";
    EXPECT_EQ(server.connections, 0);
}

TEST(DavTransport, PlainHttpToAnotherMachineIsRefusedBeforeAnyRequest)
{
    // An address of this machine that is not loopback, listened on, so a request would arrive.
    QString host = QStringLiteral("192.0.2.1"); // documentation range: nothing answers there
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol)
            host = address.toString();
    ScriptedServer server({"HTTP/1.1 207 Multi-Status\r\nContent-Length: 0\r\n\r\n"}, QHostAddress::Any);
    DavTransport transport(QStringLiteral("alice"), QStringLiteral("pw"), std::chrono::seconds(5));
    const DavTransport::Reply reply =
        transport.send("PROPFIND", QUrl(QStringLiteral("http://%1:%2/").arg(host).arg(server.port())));
    EXPECT_EQ(reply.status, 0);
    EXPECT_TRUE(reply.failure.contains(QStringLiteral("https"))) << reply.failure.toStdString();
    EXPECT_EQ(server.connections, 0);
}

} // namespace
