#include "radicaletest.h"
#include "scriptedserver.h"

#include <support/testevents.h>
#include <sync/calendarobject.h>
#include <sync/davdiscovery.h>
#include <sync/syncengine.h>
#include <store/eventrepository.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

// Two devices (each its own list, reminders and sync state) syncing one calendar on a real
// Radicale: what one does reaches the other, and nothing is lost or doubled on the way.
namespace {

const QDateTime kStamp(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC);

struct Device
{
    explicit Device(const QString &folder)
        : repository(SettingsStore(folder + QStringLiteral("/settings.plist")),
                     NotificationCenter(folder + QStringLiteral("/notifications.json")))
    {
    }

    SyncEngine::Result sync(DavCalendar &calendar)
    {
        SyncEngine::Result result = SyncEngine::run(repository, calendar, state, kStamp);
        EXPECT_TRUE(result.outcome.ok()) << result.outcome.reason.toStdString();
        return result;
    }
    QList<EDate> events() const { return repository.read().events; }
    QStringList titles() const
    {
        QStringList titles;
        for (const EDate &event : events())
            titles.append(event.dateTitle);
        return titles;
    }
    QString idOf(const QString &title) const
    {
        for (const EDate &event : events()) {
            if (event.dateTitle == title)
                return event.id;
        }
        ADD_FAILURE() << "no event " << title.toStdString();
        return {};
    }

    EventRepository repository;
    SyncState state;
};

class SyncOnRadicale : public RadicaleTest
{
protected:
    void SetUp() override
    {
        RadicaleTest::SetUp();
        if (!ready())
            return;
        const DavDiscovery::Found found = DavDiscovery::calendar(transport, server->root());
        ASSERT_TRUE(found.outcome.ok()) << found.outcome.reason.toStdString();
        calendar.emplace(transport, found.calendar);
    }

    // A device whose list is `events` (nothing saved: the first-start events).
    Device &device(const QList<EDate> &events = {})
    {
        Device &made = devices.emplace_back(folder.path() + QStringLiteral("/device%1").arg(devices.size()));
        if (!events.isEmpty()) {
            EventList empty = made.repository.read();
            EXPECT_EQ(made.repository.replaceSynced(empty, events).outcome, StoreOutcome::Done);
        }
        return made;
    }

    int objectsOnServer() { return int(calendar->list().members.size()); }

    QTemporaryDir folder;
    DavTransport transport{QStringLiteral("alice"), QStringLiteral("alicepw"), std::chrono::seconds(10)};
    std::optional<DavCalendar> calendar;
    std::list<Device> devices;
};

QList<EDate> fiveEvents()
{
    QList<EDate> events = numberedEvents(5);
    events[1] = TestEvent::from(events[1]).yearly().reminder(2);
    events[2] = TestEvent::from(events[2]).counting(false).theme(1004);
    return events;
}

TEST_F(SyncOnRadicale, TheFirstSyncCarriesEveryFieldAndASecondDeviceWithItsSamplesTakesTheList)
{
    Device &laptop = device(fiveEvents());
    EXPECT_EQ(laptop.sync(*calendar).summary.up, 5);
    EXPECT_EQ(objectsOnServer(), 5);

    Device &phone = device(); // still the first-start events
    const SyncEngine::Result result = phone.sync(*calendar);
    EXPECT_EQ(phone.events(), laptop.events());
    EXPECT_EQ(result.summary.up, 0) << "the samples were sent";
    EXPECT_EQ(objectsOnServer(), 5);

    // Nothing to do the next time, on either side.
    EXPECT_EQ(laptop.sync(*calendar).summary.up + laptop.sync(*calendar).summary.down, 0);
    EXPECT_EQ(SyncEngine::waitingChanges(phone.events(), phone.state), 0);
}

TEST_F(SyncOnRadicale, ConcurrentEditsMergeFieldByFieldAndTheSameFieldConverges)
{
    Device &laptop = device(fiveEvents());
    laptop.sync(*calendar);
    Device &phone = device({TestEvent::numbered(9).titled(QStringLiteral("Phone's own"))}); // merged by id
    phone.sync(*calendar);
    laptop.sync(*calendar);
    ASSERT_EQ(phone.events(), laptop.events());
    ASSERT_EQ(laptop.events().size(), 6);

    const QString e1 = laptop.idOf(QStringLiteral("E1"));
    const QString e3 = laptop.idOf(QStringLiteral("E3"));
    EventChange title;
    title.title = QStringLiteral("Laptop title");
    laptop.repository.change(e1, title);
    laptop.repository.change(e3, title);
    EventChange day;
    day.day = QDate(2032, 2, 2);
    phone.repository.change(e1, day);
    title.title = QStringLiteral("Phone title");
    phone.repository.change(e3, title);
    // Moves of different events on the two devices.
    laptop.repository.move(laptop.idOf(QStringLiteral("E0")), 5);
    phone.repository.move(phone.idOf(QStringLiteral("E4")), 0);

    laptop.sync(*calendar);
    const SyncEngine::Result merged = phone.sync(*calendar);
    laptop.sync(*calendar);
    EXPECT_EQ(phone.events(), laptop.events());
    const EDate *edited = EventRepository::find(laptop.events(), e1);
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->dateTitle, QStringLiteral("Laptop title"));
    EXPECT_EQ(edited->ddate, QStringLiteral("2032-02-02"));
    EXPECT_EQ(EventRepository::find(laptop.events(), e3)->dateTitle, QStringLiteral("Laptop title")) << "the server's";
    EXPECT_EQ(merged.summary.conflicts, QStringList{QStringLiteral("Laptop title")});
    EXPECT_EQ(laptop.titles().first(), QStringLiteral("E4"));
    EXPECT_EQ(laptop.titles().last(), QStringLiteral("E0"));
    EXPECT_EQ(objectsOnServer(), 6);
}

TEST_F(SyncOnRadicale, AnEditBeatsADeleteAndAPlainDeleteReachesTheOtherDevice)
{
    Device &laptop = device(fiveEvents());
    laptop.sync(*calendar);
    Device &phone = device();
    phone.sync(*calendar);

    const QString kept = laptop.idOf(QStringLiteral("E1"));
    const QString gone = laptop.idOf(QStringLiteral("E2"));
    laptop.repository.remove(kept);
    laptop.repository.remove(gone);
    EventChange title;
    title.title = QStringLiteral("Still wanted");
    phone.repository.change(kept, title);

    laptop.sync(*calendar);
    phone.sync(*calendar);
    laptop.sync(*calendar);
    EXPECT_EQ(phone.events(), laptop.events());
    EXPECT_TRUE(laptop.titles().contains(QStringLiteral("Still wanted")));
    EXPECT_FALSE(laptop.titles().contains(QStringLiteral("E2")));
    EXPECT_EQ(objectsOnServer(), 4);
}

TEST_F(SyncOnRadicale, AnotherProgramsPropertiesSurviveAndItsEventJoinsAtTheEnd)
{
    const QByteArray other = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\n"
                             "UID:other-uid@example.org\r\nDTSTAMP:20261101T000000Z\r\nDTSTART;VALUE=DATE:20270301\r\n"
                             "SUMMARY:A meeting with a much longer title\r\nDESCRIPTION:Bring the slides\r\n"
                             "CATEGORIES:WORK,TALKS\r\nX-OTHER-APP:keep me\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    ASSERT_TRUE(calendar->put(calendar->hrefFor(QStringLiteral("other")), other).outcome.ok());
    Device &laptop = device(numberedEvents(2));
    laptop.sync(*calendar);
    ASSERT_EQ(laptop.events().size(), 3);
    const EDate arrived = laptop.events().last();
    EXPECT_EQ(arrived.dateTitle, QStringLiteral("A meeting with a muc"));
    EXPECT_TRUE(arrived.countsDown());

    EventChange day;
    day.day = QDate(2027, 3, 5);
    laptop.repository.change(arrived.id, day);
    laptop.sync(*calendar);
    const DavCalendar::Bodies read = calendar->fetch({calendar->hrefFor(QStringLiteral("other"))});
    ASSERT_EQ(read.objects.size(), 1);
    const QByteArray written = read.objects.first().data;
    for (const char *kept : {"DESCRIPTION:Bring the slides", "CATEGORIES:WORK,TALKS", "X-OTHER-APP:keep me",
                             "SUMMARY:A meeting with a much longer title", "20270305"})
        EXPECT_TRUE(written.contains(kept)) << kept << "\n" << written.toStdString();
}

TEST_F(SyncOnRadicale, EventsBeyondTheFullListStayOnTheServerUntouched)
{
    for (const EDate &event : numberedEvents(35, QDate(2040, 1, 1)))
        ASSERT_TRUE(calendar->put(calendar->hrefFor(event.id), *CalendarObject::of({event, {}}, kStamp)).outcome.ok());
    const QList<DavCalendar::Member> before = calendar->list().members;
    Device &laptop = device({TestEvent::numbered(99)});
    const SyncEngine::Result result = laptop.sync(*calendar);
    EXPECT_EQ(laptop.events().size(), 30);
    EXPECT_EQ(result.summary.moreOnServer, 6);
    EXPECT_EQ(result.summary.up, 1);
    const QList<DavCalendar::Member> after = calendar->list().members;
    for (const DavCalendar::Member &member : before)
        EXPECT_TRUE(after.contains(member)) << "rewritten or deleted: " << member.href.toStdString();

    // Room made: the next sync brings one more.
    laptop.repository.remove(laptop.events().first().id);
    EXPECT_EQ(laptop.sync(*calendar).summary.moreOnServer, 5);
    EXPECT_EQ(laptop.events().size(), 30);
    EXPECT_EQ(objectsOnServer(), 35);
}

TEST_F(SyncOnRadicale, AForgottenStateOrADeadTokenNeitherDoublesNorLosesAnything)
{
    Device &laptop = device(fiveEvents());
    laptop.sync(*calendar);
    const QList<EDate> synced = laptop.events();

    laptop.state.token = QStringLiteral("http://radicale.org/ns/sync/0000000000000000");
    EventChange title;
    title.title = QStringLiteral("After a dead token");
    laptop.repository.change(synced.first().id, title);
    laptop.sync(*calendar);
    EXPECT_EQ(objectsOnServer(), 5);

    // As after a write whose answer never came: the state knows nothing of the objects.
    laptop.state = SyncState();
    laptop.repository.add({QStringLiteral("Added meanwhile"), QDate(2030, 3, 3)});
    laptop.sync(*calendar);
    EXPECT_EQ(objectsOnServer(), 6);
    Device &phone = device();
    phone.sync(*calendar);
    EXPECT_EQ(phone.events(), laptop.events());
    EXPECT_EQ(phone.events().size(), 6);
}

TEST_F(SyncOnRadicale, AFailedSyncChangesNothingLocallyAndItsChangesWait)
{
    Device &laptop = device(fiveEvents());
    laptop.sync(*calendar);
    EventChange title;
    title.title = QStringLiteral("Offline edit");
    laptop.repository.change(laptop.events().first().id, title);
    const QList<EDate> edited = laptop.events();

    DavTransport wrongPassword(QStringLiteral("alice"), QStringLiteral("nope"), std::chrono::seconds(10));
    DavCalendar refused(wrongPassword, calendar->url());
    QUrl closed = calendar->url();
    closed.setPort(1); // nothing listens there
    DavCalendar unreachable(transport, closed);
    for (DavCalendar *failing : {&refused, &unreachable}) {
        SyncState state = laptop.state;
        const SyncEngine::Result result = SyncEngine::run(laptop.repository, *failing, state, kStamp);
        EXPECT_FALSE(result.outcome.ok());
        EXPECT_FALSE(result.outcome.reason.isEmpty());
        EXPECT_TRUE(result.changesWaiting);
        EXPECT_EQ(laptop.events(), edited);
    }
    EXPECT_EQ(SyncEngine::waitingChanges(laptop.events(), laptop.state), 1);
    laptop.sync(*calendar);
    EXPECT_EQ(SyncEngine::waitingChanges(laptop.events(), laptop.state), 0);
}

QByteArray answer(const QByteArray &status, const QByteArray &body = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: application/xml; charset=utf-8\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

// Servers that refuse or talk nonsense: each stops the sync with one line, the list as it was.
TEST(SyncEngine, EveryRefusalIsOneLineAndLeavesTheListAsItWas)
{
    const QByteArray nothingYet = answer("207 Multi-Status", "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\">"
                                                             "<d:sync-token>http://x/sync/1</d:sync-token></d:multistatus>");
    const QByteArray forbidden = answer("403 Forbidden", "<?xml version=\"1.0\"?><d:error xmlns:d=\"DAV:\"><d:need-privileges/></d:error>");
    const QByteArray full = answer("507 Insufficient Storage");
    const struct
    {
        const char *what;
        QList<QByteArray> script;
        DavOutcome::Kind kind;
        const char *said;
    } cases[] = {
        {"wrong password", {answer("401 Unauthorized")}, DavOutcome::AuthFailed, "password"},
        {"read-only calendar", {nothingYet, forbidden}, DavOutcome::Forbidden, "read-only"},
        {"full quota", {nothingYet, full}, DavOutcome::QuotaExceeded, "no room"},
        {"garbage", {answer("207 Multi-Status", "<html>not what was asked")}, DavOutcome::Failed, "unreadable"},
        {"a redirect to another host",
         {"HTTP/1.1 301 Moved\r\nLocation: http://192.0.2.1/cal/\r\nContent-Length: 0\r\n\r\n"}, DavOutcome::Failed,
         "redirected to another server"},
    };
    for (const auto &c : cases) {
        QTemporaryDir folder;
        Device device(folder.path());
        const QList<EDate> events = numberedEvents(2);
        ASSERT_EQ(device.repository.replaceSynced(device.repository.read(), events).outcome, StoreOutcome::Done);
        ScriptedServer server(c.script);
        DavTransport transport(QStringLiteral("alice"), QStringLiteral("alicepw"), std::chrono::seconds(5));
        DavCalendar calendar(transport, QUrl(QStringLiteral("http://127.0.0.1:%1/alice/cal/").arg(server.port())));
        const SyncEngine::Result result = SyncEngine::run(device.repository, calendar, device.state, kStamp);
        EXPECT_EQ(result.outcome.kind, c.kind) << c.what << ": " << result.outcome.reason.toStdString();
        EXPECT_TRUE(result.outcome.reason.contains(QLatin1String(c.said))) << c.what << ": " << result.outcome.reason.toStdString();
        EXPECT_FALSE(result.outcome.reason.contains(QLatin1Char('\n'))) << c.what;
        EXPECT_TRUE(result.changesWaiting) << c.what;
        EXPECT_EQ(device.events(), events) << c.what;
        EXPECT_EQ(SyncEngine::waitingChanges(device.events(), device.state), 2) << c.what;
    }
}

} // namespace
