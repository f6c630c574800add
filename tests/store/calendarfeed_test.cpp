#include <platform/settingsstore.h>
#include <store/userdata.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <calendar/calendarfeed.h>
#include <model/widgetcontent.h>
#include <platform/atomicfile.h>
#include <store/linkdispatch.h>
#include <support/testenvironment.h>

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class Feed : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9)};

    static QByteArray feed() { return readFile(CalendarFeed::path()); }
    // The UIDs of the feed's events, in order: who is in the calendar.
    static QStringList uids()
    {
        QStringList ids;
        for (const QByteArray &line : feed().split('\n')) {
            if (line.startsWith("UID:"))
                ids.append(QString::fromUtf8(line.mid(4).trimmed()));
        }
        return ids;
    }
    static QStringList idsOf(const QList<EDate> &events)
    {
        QStringList ids;
        for (const EDate &event : events)
            ids.append(event.id);
        return ids;
    }
};

} // namespace

TEST_F(Feed, FollowsEveryChangeOfTheAppsStoreAndItsLinks)
{
    seedEvents(numberedEvents(3));
    UserData store;
    EXPECT_EQ(uids(), idsOf(numberedEvents(3)));
    EXPECT_EQ(permissionBits(CalendarFeed::path()), 0600);

    ASSERT_EQ(store.addEvent(EventDraft{QStringLiteral("Trip"), QDate(2027, 3, 1)}), StoreOutcome::Done);
    EXPECT_EQ(uids(), idsOf(store.magicDates()));
    EXPECT_TRUE(feed().contains("SUMMARY:Trip\r\n"));

    // A shared event, once the person confirms it, repeating as its link says.
    QSignalSpy offered(&store, &UserData::sharedEventOffered);
    ASSERT_TRUE(dispatchLink(store, QStringLiteral("tallowick://add?ddate=2016-05-01&countdown=true&dateTitle=Mum&repeat=yearly")));
    ASSERT_EQ(offered.size(), 1);
    ASSERT_EQ(store.addEvent(offered.at(0).at(0).value<EventDraft>()), StoreOutcome::Done);
    EXPECT_EQ(uids(), idsOf(store.magicDates()));
    EXPECT_TRUE(feed().contains("SUMMARY:Mum\r\nTRANSP:TRANSPARENT\r\nRRULE:FREQ=YEARLY\r\n"));

    ASSERT_EQ(store.moveEvent(store.magicDates().at(0).id, 3), StoreOutcome::Done);
    ASSERT_EQ(store.deleteEvent(store.magicDates().at(0).id), StoreOutcome::Done);
    EXPECT_EQ(uids(), idsOf(store.magicDates()));
    ASSERT_EQ(store.changeEvent(store.magicDates().at(0).id, EventChange{QStringLiteral("Renamed")}), StoreOutcome::Done);
    EXPECT_TRUE(feed().contains("SUMMARY:Renamed\r\n"));

    // Changes made elsewhere reach the feed the same way (the command line runs the same
    // repository: its own test checks it through the program).
    EventRepository().remove(store.magicDates().at(1).id);
    EXPECT_EQ(uids(), idsOf(savedEvents()));
}

TEST_F(Feed, IsRewrittenOnlyWhenItsCalendarChanges)
{
    seedEvents(numberedEvents(2));
    EventRepository repository;
    repository.open();
    const QByteArray first = feed();
    ASSERT_FALSE(first.isEmpty());

    // Later starts and returns to the window, with the same list: not a byte written.
    clock.set(localTime(2026, 12, 9, 8));
    quint64 before = AtomicFile::writeCount();
    repository.open();
    repository.publish();
    EXPECT_EQ(AtomicFile::writeCount(), before);
    EXPECT_EQ(feed(), first);

    // A reminder choice is nothing the widget shows, but it is an alarm of the calendar's.
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    ASSERT_EQ(repository.chooseReminder(numberedEvents(2).at(0).id, NotiDays::three).outcome, ReminderOutcome::Scheduled);
    EXPECT_EQ(feed().count("BEGIN:VALARM"), 4);
    EXPECT_TRUE(feed().contains("DTSTAMP:20261208T230000Z"));
    const QByteArray contents = readFile(widgetContentsPath());

    // A feed that is gone, or that someone else wrote over, is written again.
    for (const QByteArray &other : {QByteArray(), QByteArray("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n")}) {
        if (other.isEmpty())
            QFile::remove(CalendarFeed::path());
        else
            writeFile(CalendarFeed::path(), other);
        before = AtomicFile::writeCount();
        repository.publish();
        EXPECT_EQ(AtomicFile::writeCount(), before + 1);
        EXPECT_EQ(feed().count("BEGIN:VEVENT"), 2);
    }
    EXPECT_EQ(readFile(widgetContentsPath()), contents);
}
