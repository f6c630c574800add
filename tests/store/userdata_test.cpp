#include <model/resources.h>
#include <model/widgetcontent.h>
#include <platform/plistcodec.h>
#include <platform/settingsstore.h>
#include <store/linkdispatch.h>
#include <store/linkrequest.h>
#include <store/userdata.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

class Store : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    FixedClock clock{localTime(2026, 12, 8, 9, 30)};

    static QList<QueryItem> items(const char *link) { return queryItems(QUrl(QString::fromUtf8(link))).value(); }
    static QString id(int i) { return numberedEvents(30).at(i).id; }
};

} // namespace

TEST_F(Store, FirstStartShowsTheDefaultsAndSavesThemAtOnce)
{
    const UserData store;
    EXPECT_EQ(store.magicDates(), defaultEvents());
    EXPECT_EQ(savedEvents(), defaultEvents());
    EXPECT_TRUE(QFile::exists(home.dataHome() + QStringLiteral("/group.Ostra.Ruru.contents/contents.json")));
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_FALSE(store.alertMaxEvent());
    EXPECT_EQ(store.alertTitle(), QStringLiteral("Something went wrong"));
}

TEST_F(Store, UnreadableSavedEventsGiveTheDefaultsButAreKeptAside)
{
    QVariantList broken{numberedEvents(1).at(0).toKeyed()};
    QVariantMap record = broken.at(0).toMap();
    record.remove(QStringLiteral("barColor"));
    broken[0] = record;
    const QByteArray bytes = PlistCodec::toBinary(broken);
    ASSERT_TRUE(SettingsStore().setValue(UserData::kEventsKey, bytes));

    const UserData store;
    EXPECT_EQ(store.magicDates(), defaultEvents());
    const QDir configDir(home.configHome() + QStringLiteral("/tallowick"));
    const QStringList kept = configDir.entryList({QStringLiteral("settings.plist.magicDates-unreadable-*")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(readFile(configDir.filePath(kept.at(0))), bytes);
}

TEST_F(Store, AddShowsTheNewEventAndASecondStoreSeesIt)
{
    seedEvents(numberedEvents(3));
    UserData store;
    store.setCurrentPage(2);
    store.addEvent(localTime(2026, 12, 24, 15), QStringLiteral("Trip"), true, 1003);
    ASSERT_EQ(store.count(), 4);
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_EQ(store.magicDates().at(0).dateTitle, QStringLiteral("Trip"));
    EXPECT_EQ(store.magicDates().at(0).ddate, QStringLiteral("2026-12-24"));
    EXPECT_EQ(UserData().magicDates(), store.magicDates());

    // A refused add changes neither the list nor the page.
    store.setCurrentPage(2);
    EXPECT_EQ(store.addEvent(EventDraft{QStringLiteral("  "), QDate(2027, 1, 1)}), StoreOutcome::EmptyTitle);
    EXPECT_EQ(store.count(), 4);
    EXPECT_EQ(store.currentPage(), 2);
}

TEST_F(Store, DeletingTheShownEventShowsThePageBeforeAndRefusesTheLastOne)
{
    seedEvents(numberedEvents(3));
    UserData store;
    store.setCurrentPage(2);
    EXPECT_EQ(store.deleteEvent(id(2)), StoreOutcome::Done);
    EXPECT_EQ(titlesOf(store.magicDates()), (QStringList{QStringLiteral("E0"), QStringLiteral("E1")}));
    EXPECT_EQ(store.currentPage(), 1);
    // Another page's event goes; the page shown stays with its event.
    EXPECT_EQ(store.deleteEvent(id(0)), StoreOutcome::Done);
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_EQ(store.currentEventId(), id(1));
    EXPECT_EQ(store.deleteEvent(id(1)), StoreOutcome::LastEvent);
    EXPECT_EQ(savedEvents().size(), 1);
}

TEST_F(Store, RefreshFollowsAnotherProcessAndKeepsTheShownEvent)
{
    seedEvents(numberedEvents(4));
    UserData app;
    app.setCurrentPage(2); // E2
    QSignalSpy listChanged(&app, &UserData::magicDatesChanged);
    EventRepository cli;

    cli.add({QStringLiteral("Exam"), QDate(2027, 2, 1)});
    app.refresh();
    EXPECT_EQ(app.count(), 5);
    EXPECT_EQ(app.currentEventId(), id(2));
    EXPECT_EQ(app.currentPage(), 3);

    cli.move(id(2), 0);
    app.refresh();
    EXPECT_EQ(app.currentPage(), 0);
    EXPECT_EQ(app.currentEventId(), id(2));

    // Gone: the one before it, as a delete in the app shows (here, at the front, the next).
    cli.remove(id(2));
    app.refresh();
    EXPECT_EQ(app.currentPage(), 0);
    EXPECT_EQ(app.magicDates().at(0).dateTitle, QStringLiteral("Exam"));
    app.setCurrentPage(2); // E1
    cli.remove(id(1));
    app.refresh();
    EXPECT_EQ(app.currentEventId(), id(0));

    // Nothing new: nothing announced.
    const qsizetype announced = listChanged.size();
    app.refresh();
    EXPECT_EQ(listChanged.size(), announced);
}

// The store tells its screens only once the settings file's lock is released: a screen that
// answers a change with another change of the list must not wait for itself for ever.
TEST_F(Store, ScreensMayChangeTheListWhileHearingOfAChange)
{
    seedEvents(numberedEvents(3));
    UserData store;
    int heard = 0;
    QObject::connect(&store, &UserData::magicDatesChanged, &store, [&] {
        if (++heard == 1)
            store.moveEvent(id(2), 0);
    });
    QObject::connect(&store, &UserData::currentPageChanged, &store, [&] { store.writeWidgetContents(); });
    EXPECT_EQ(store.addEvent(EventDraft{QStringLiteral("Trip"), QDate(2027, 1, 1)}), StoreOutcome::Done);
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{QStringLiteral("E2"), QStringLiteral("Trip"), QStringLiteral("E0"),
                                                    QStringLiteral("E1")}));
}

TEST_F(Store, TheWatchTakesInOtherProgramsChangesByItself)
{
    seedEvents(numberedEvents(3));
    UserData app;
    app.watchForChanges();
    EventRepository cli;
    cli.add({QStringLiteral("Exam"), QDate(2027, 2, 1)});
    EXPECT_TRUE(waitUntil([&] { return app.count() == 4; }, 3000));
    // A burst of changes, each an atomic replacement of the file: the last one is what shows.
    for (int i = 0; i < 10; ++i)
        cli.change(id(0), EventChange{QStringLiteral("Rename %1").arg(i)});
    EXPECT_TRUE(waitUntil([&] { return app.magicDates().at(1).dateTitle == QStringLiteral("Rename 9"); }, 3000));
}

TEST_F(Store, PageLinksSelectTheirEventAndStayWithinTheList)
{
    seedEvents(numberedEvents(5));
    UserData store;
    const std::pair<const char *, int> cases[] = {
        {"x://h?pageNumber=2", 2}, {"x://h?pageNumber=+3", 3},  {"x://h?pageNumber=abc", 0},
        {"x://h?pageNumber=", 0},  {"x://h?pageNumber=99", 4},  {"x://h?pageNumber=-5", 0},
        {"x://h?pageNumber=4", 4}, {"x://h?pageNumber=123456789012345678901234567890", 0},
        // The id wins over a stale page number; an unknown id leaves the number to decide.
        {"x://h?pageNumber=0&eventId=00000000-0000-4000-8000-000000000003", 3},
        {"x://h?eventId=00000000-0000-4000-8000-000000000001&pageNumber=4", 1},
        {"x://h?pageNumber=2&eventId=unknown", 2},
    };
    for (const auto &[link, page] : cases) {
        store.setCurrentPage(1);
        EXPECT_TRUE(dispatchLink(store, QString::fromUtf8(link))) << link;
        EXPECT_EQ(store.currentPage(), page) << link;
    }
    store.setCurrentPage(1);
    store.openPageFromLink(items("x://h?page=3"));
    store.openPageFromLink(items("x://h?pageNumber"));
    EXPECT_EQ(store.currentPage(), 1);
}

TEST_F(Store, APageLinkLooksAtTheListAsSavedNow)
{
    seedEvents(numberedEvents(3));
    UserData app;
    // The widget drew its link after another program moved E2 to the front.
    EventRepository().move(id(2), 0);
    dispatchLink(app, QStringLiteral("https://tallowick.page.link?pageNumber=0&eventId=%1").arg(id(2)));
    EXPECT_EQ(app.currentEventId(), id(2));
}

TEST_F(Store, SharedEventLinksAreOfferedNotAdded)
{
    seedEvents(numberedEvents(3));
    UserData store;
    QSignalSpy offered(&store, &UserData::sharedEventOffered);
    ASSERT_TRUE(dispatchLink(store, QStringLiteral("https://ruru.page.link/?ddate=2027-02-14&countdown=true&dateTitle=Valentine&colorIndex=1003")));
    EXPECT_EQ(store.count(), 3);
    ASSERT_EQ(offered.size(), 1);
    const EventDraft draft = offered.at(0).at(0).value<EventDraft>();
    EXPECT_EQ(draft.title, QStringLiteral("Valentine"));
    EXPECT_EQ(draft.day, QDate(2027, 2, 14));
    EXPECT_TRUE(draft.countdown);
    EXPECT_EQ(draft.themeId, 1003);

    // Missing parts, or a date that is no date: nothing to offer.
    for (const char *link : {"https://ruru.page.link/?ddate=2020-01-01&dateTitle=NoDirection",
                             "https://ruru.page.link/?countdown=true&dateTitle=NoDate",
                             "https://ruru.page.link/?ddate=notadate&countdown=true&dateTitle=Bad",
                             "https://ruru.page.link/?ddate=2026-02-30&countdown=true&dateTitle=Bad"})
        dispatchLink(store, QString::fromUtf8(link));
    EXPECT_EQ(offered.size(), 1);
}

TEST(SharedEventDraft, ReadsTheLinkTheWaySharedLinksAreWritten)
{
    ScopedTimeZone zone{"Asia/Seoul"};
    const auto draftOf = [](const QString &link) {
        const QUrl url(link, QUrl::StrictMode);
        return sharedEventDraft(url, queryItems(url).value());
    };
    // No colour, or one that is no theme: theme 1. Any countdown text but exactly "true" counts up.
    for (const char *colour : {"", "&colorIndex=7", "&colorIndex=blue", "&colorIndex="}) {
        const auto draft = draftOf(QStringLiteral("x://s?ddate=2020-01-01&countdown=True&dateTitle=Since") + QLatin1String(colour));
        ASSERT_TRUE(draft) << colour;
        EXPECT_EQ(draft->themeId, 1) << colour;
        EXPECT_FALSE(draft->countdown);
    }
    // A title is cut to the longest a title may be, and trimmed first.
    const auto longTitle = draftOf(QStringLiteral("x://s?ddate=2027-01-01&countdown=true&dateTitle=%1").arg(QString(300, u'x')));
    ASSERT_TRUE(longTitle);
    EXPECT_EQ(longTitle->title, QString(20, u'x'));
    EXPECT_EQ(draftOf(QStringLiteral("x://s?ddate=2027-01-01&countdown=true&dateTitle=+++Trip+++"))->title, QStringLiteral("Trip"));
    // Other date forms events carry are read as their local day.
    EXPECT_EQ(draftOf(QStringLiteral("x://s?ddate=2027-01-01T23:30:00%2B0000&countdown=true&dateTitle=T"))->day, QDate(2027, 1, 2));
    // "repeat=yearly" shares an event that comes back every year; without it, or on an event
    // that counts up, the event happens once.
    EXPECT_TRUE(draftOf(QStringLiteral("x://s?ddate=2016-05-01&countdown=true&dateTitle=B&repeat=yearly"))->yearly);
    EXPECT_FALSE(draftOf(QStringLiteral("x://s?ddate=2016-05-01&countdown=true&dateTitle=B"))->yearly);
    EXPECT_FALSE(draftOf(QStringLiteral("x://s?ddate=2016-05-01&countdown=true&dateTitle=B&repeat=monthly"))->yearly);
    EXPECT_FALSE(draftOf(QStringLiteral("x://s?ddate=2016-05-01&countdown=false&dateTitle=B&repeat=yearly"))->yearly);
    // "unit" names what the count is shown in; days without it or for a word that is no unit.
    EXPECT_EQ(draftOf(QStringLiteral("x://s?ddate=2016-05-01&countdown=false&dateTitle=B&unit=years"))->unit, CountUnit::Years);
    EXPECT_EQ(draftOf(QStringLiteral("x://s?ddate=2016-05-01&countdown=true&dateTitle=B&unit=aeons"))->unit, CountUnit::Days);
}

TEST(ReadLink, TellsPagesFromSharedEventsAndIncompleteLinks)
{
    EXPECT_EQ(readLink(QStringLiteral("tallowick://open?pageNumber=3"))->kind, LinkRequest::Kind::Page);
    EXPECT_EQ(readLink(QStringLiteral("tallowick://open?pageNumber=3&eventId=X"))->page.eventId, QStringLiteral("X"));
    EXPECT_EQ(readLink(QStringLiteral("x://s?ddate=2027-01-01&countdown=true&dateTitle=T"))->kind,
              LinkRequest::Kind::SharedEvent);
    EXPECT_EQ(readLink(QStringLiteral("x://s?ddate=tomorrow&countdown=true&dateTitle=T"))->kind, LinkRequest::Kind::Incomplete);
    EXPECT_EQ(readLink(QStringLiteral("x://s?pageNumber=1&other=2"))->kind, LinkRequest::Kind::Incomplete);
    EXPECT_FALSE(readLink(QStringLiteral("x://s?page=1")));
    EXPECT_FALSE(readLink(QStringLiteral("https://ruru.page.link/")));
    EXPECT_FALSE(readLink(QStringLiteral("https://ruru.page.link/?pageNumber=%zz")));
    EXPECT_FALSE(readLink(QStringLiteral("not a url at all %%%")));
}

TEST_F(Store, AChangeThatCannotBeWrittenChangesNothingAndRaisesTheAlertWithTheReason)
{
    seedEvents(numberedEvents(3));
    UserData store;
    // A folder where the lock file belongs: no change can take the lock.
    const QString lock = SettingsStore::defaultPath() + QStringLiteral(".lock");
    QFile::remove(lock);
    ASSERT_TRUE(QDir().mkpath(lock));
    const std::function<StoreOutcome()> doors[] = {
        [&] { return store.addEvent(EventDraft{QStringLiteral("New"), QDate(2027, 1, 1)}); },
        [&] { return store.changeEvent(id(1), EventChange{QStringLiteral("Renamed")}); },
        [&] { return store.deleteEvent(id(1)); },
        [&] { return store.moveEvent(id(0), 2); },
    };
    for (const auto &change : doors) {
        store.setAlertMaxEvent(false);
        EXPECT_EQ(change(), StoreOutcome::NotLocked);
        EXPECT_TRUE(store.alertMaxEvent());
        EXPECT_EQ(store.alertTitle(), QStringLiteral("The change was not saved"));
        EXPECT_TRUE(store.alertCopy().contains(QLatin1String("lock"))) << store.alertCopy().toStdString();
    }
    EXPECT_EQ(store.magicDates(), numberedEvents(3));
    EXPECT_EQ(savedEvents(), numberedEvents(3));
}
