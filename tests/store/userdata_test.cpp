#include "storetesting.h"

#include <model/calendarhelper.h>
#include <model/resources.h>
#include <model/widgetcontent.h>
#include <platform/atomicfile.h>
#include <platform/notificationcenter.h>
#include <platform/plistcodec.h>
#include <store/eventactions.h>
#include <store/linkdispatch.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class Store : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    FixedClock clock{localTime(2026, 12, 8, 9, 30)};

    static QStringList pendingIdentifiers()
    {
        QStringList ids;
        for (const NotificationRequest &request : NotificationCenter().pendingRequests())
            ids.append(request.identifier);
        return ids;
    }

    static QList<QueryItem> items(const char *link) { return queryItems(QUrl(QString::fromUtf8(link))).value(); }
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
    QFile file(configDir.filePath(kept.at(0)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(Store, AddPutsTheNewEventFirstAndASecondStoreSeesIt)
{
    seedSavedEvents(numberedEvents(3));
    UserData store;
    store.setCurrentPage(2);
    store.addEvent(localTime(2026, 12, 24, 15), QStringLiteral("Trip"), true, 1003);

    ASSERT_EQ(store.count(), 4);
    EXPECT_EQ(store.currentPage(), 0);
    const EDate &added = store.magicDates().at(0);
    EXPECT_EQ(added.ddate, QStringLiteral("2026-12-24"));
    EXPECT_EQ(added.dateTitle, QStringLiteral("Trip"));
    EXPECT_EQ(added.countdown, std::optional(true));
    EXPECT_EQ(added.colorIndex, std::optional<qint64>(1003));
    EXPECT_FALSE(added.repeatNotification);
    EXPECT_FALSE(added.notification);
    EXPECT_EQ(added.id.size(), 36);
    EXPECT_EQ(added.id, added.id.toUpper());

    const UserData reopened;
    EXPECT_EQ(reopened.magicDates(), store.magicDates());
}

TEST_F(Store, ThemesAreCopiedOntoEventsAndUnknownIdsKeepTheLastTheme)
{
    seedSavedEvents(numberedEvents(1));
    UserData store;
    store.addEvent(localTime(2027, 1, 1), QStringLiteral("Vacation"), true, 1004);
    const ColorProvider &vacation = colorSets().at(store.colorIndex());
    EXPECT_EQ(vacation.id, 1004);
    const EDate &first = store.magicDates().at(0);
    EXPECT_EQ(first.bgColor, vacation.bgColor);
    EXPECT_EQ(first.lineColor, vacation.lineColor);
    EXPECT_EQ(first.circleColor, vacation.circleColor);
    EXPECT_EQ(first.barType, vacation.barType);
    EXPECT_EQ(first.barColor, vacation.barColor);

    store.addEvent(localTime(2027, 1, 2), QStringLiteral("Mystery"), true, 424242);
    const EDate &unknown = store.magicDates().at(0);
    EXPECT_EQ(unknown.colorIndex, std::optional<qint64>(424242));
    EXPECT_EQ(unknown.bgColor, vacation.bgColor);
    EXPECT_EQ(unknown.barType, vacation.barType);
}

TEST_F(Store, UpdateKeepsIdentityAndForgetsRemindersOnlyWhenTheDateMoves)
{
    QList<EDate> events = numberedEvents(2);
    events[1].repeatNotification = 3;
    events[1].notification = true;
    seedSavedEvents(events);
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    UserData store;
    store.notificationHelper()->addNotification(store.magicDates().at(1), NotiDays::seven);
    ASSERT_EQ(pendingIdentifiers().size(), 8);

    store.updateEvent(1, CalendarHelper::toDate(events[1].ddate), QStringLiteral("Renamed"), false, 1);
    EXPECT_EQ(store.magicDates().at(1).repeatNotification, std::optional<qint64>(3));
    EXPECT_EQ(store.magicDates().at(1).dateTitle, QStringLiteral("Renamed"));
    EXPECT_EQ(store.magicDates().at(1).countdown, std::optional(false));
    EXPECT_EQ(pendingIdentifiers().size(), 8);

    store.updateEvent(1, localTime(2031, 5, 5), QStringLiteral("Renamed"), true, 1);
    const EDate &moved = store.magicDates().at(1);
    EXPECT_EQ(moved.ddate, QStringLiteral("2031-05-05"));
    EXPECT_FALSE(moved.repeatNotification);
    EXPECT_EQ(moved.id, events[1].id);
    EXPECT_TRUE(moved.notification);
    EXPECT_TRUE(pendingIdentifiers().isEmpty()) << pendingIdentifiers().join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(savedEvents(), store.magicDates());
}

TEST_F(Store, EachOperationWritesTheSettingsFileOnce)
{
    seedSavedEvents(numberedEvents(3));
    UserData store;
    // Each changing operation: one settings write and one contents write.
    quint64 before = AtomicFile::writeCount();
    store.updateEvent(0, localTime(2031, 1, 1), QStringLiteral("New"), false, 1003);
    EXPECT_EQ(AtomicFile::writeCount() - before, 2u);
    before = AtomicFile::writeCount();
    store.addEvent(localTime(2031, 1, 1), QStringLiteral("Added"), true, 1);
    EXPECT_EQ(AtomicFile::writeCount() - before, 2u);
    before = AtomicFile::writeCount();
    store.setRepeatNotification(0, 1);
    EXPECT_EQ(AtomicFile::writeCount() - before, 1u);
}

TEST_F(Store, DeleteRefusesTheLastEventAndMovesThePageBack)
{
    seedSavedEvents(numberedEvents(3));
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    UserData store;
    store.notificationHelper()->addNotification(store.magicDates().at(2), NotiDays::three);
    store.setCurrentPage(2);
    EXPECT_EQ(deleteEventWithReminders(store, 2), DeleteOutcome::Deleted);
    EXPECT_EQ(titlesOf(store.magicDates()), (QStringList{QStringLiteral("E0"), QStringLiteral("E1")}));
    EXPECT_EQ(store.currentPage(), 1);
    EXPECT_TRUE(pendingIdentifiers().isEmpty());

    store.setCurrentPage(0);
    EXPECT_EQ(deleteEventWithReminders(store, 0), DeleteOutcome::Deleted);
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_EQ(titlesOf(store.magicDates()), QStringList{QStringLiteral("E1")});
    EXPECT_EQ(deleteEventWithReminders(store, 0), DeleteOutcome::RefusedLastEvent);
    EXPECT_EQ(deleteEventWithReminders(store, 0), DeleteOutcome::RefusedLastEvent);
    EXPECT_EQ(savedEvents().size(), 1);
}

TEST_F(Store, ChangesFromAnotherStoreAreNeverLost)
{
    seedSavedEvents(numberedEvents(3));
    UserData app;
    UserData cli;
    cli.addEvent(localTime(2027, 3, 1), QStringLiteral("From the command line"), true, 1);
    // The app has not looked since; its own change must keep the other one.
    app.addEvent(localTime(2027, 4, 1), QStringLiteral("From the app"), true, 1);
    EXPECT_EQ(titlesOf(savedEvents()).mid(0, 2),
              (QStringList{QStringLiteral("From the app"), QStringLiteral("From the command line")}));

    // Index-based operations act on the event the caller saw, wherever it went meanwhile:
    // the command line still sees [cli, E0, E1, E2] and moves E2 to the front; the app sees
    // [app, cli, E0, E1, E2] and deletes E0.
    cli.moveEvent(3, 0);
    app.deleteEvent(2);
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{QStringLiteral("E2"), QStringLiteral("From the app"),
                                                    QStringLiteral("From the command line"), QStringLiteral("E1")}));
}

// The id of an event on screen is an element of the very list that the operation first
// replaces with what another process saved; the operation must still find (and only touch)
// that event. (The sanitizer build of the tests catches a read of the replaced list.)
TEST_F(Store, ActionsOnTheShownEventSurviveTheListBeingReplacedByAnotherProcess)
{
    seedSavedEvents(numberedEvents(3));
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    UserData app;
    UserData cli;
    cli.addEvent(localTime(2027, 3, 1), QStringLiteral("Elsewhere"), true, 1);
    EXPECT_EQ(applyReminderChoice(app, 1, NotiDays::three, *app.notificationHelper()), ReminderOutcome::Scheduled);
    EXPECT_EQ(savedEvents().at(2).dateTitle, QStringLiteral("E1"));
    EXPECT_EQ(savedEvents().at(2).repeatNotification, app.magicDates().at(2).repeatNotification);
    EXPECT_TRUE(savedEvents().at(2).repeatNotification.has_value());

    cli.addEvent(localTime(2027, 4, 1), QStringLiteral("Elsewhere again"), true, 1);
    EXPECT_EQ(deleteEventWithReminders(app, 2), DeleteOutcome::Deleted);
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{QStringLiteral("Elsewhere again"), QStringLiteral("Elsewhere"),
                                                    QStringLiteral("E0"), QStringLiteral("E2")}));
    EXPECT_TRUE(pendingIdentifiers().isEmpty());
}

TEST_F(Store, MoveReordersSavesAndRepublishes)
{
    seedSavedEvents(numberedEvents(3));
    UserData store;
    store.moveEvent(2, 0);
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{QStringLiteral("E2"), QStringLiteral("E0"), QStringLiteral("E1")}));
    QFile contents(widgetContentsPath());
    ASSERT_TRUE(contents.open(QIODevice::ReadOnly));
    const auto records = decodeWidgetContents(contents.readAll());
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(records->at(0).dateTitle, QStringLiteral("E2"));
    EXPECT_EQ(records->at(0).pageNumber, std::optional<qint64>(0));
}

TEST_F(Store, PageLinksReadTheNumberAndStayWithinTheList)
{
    seedSavedEvents(numberedEvents(5));
    UserData store;
    const std::pair<const char *, int> cases[] = {
        {"x://h?pageNumber=2", 2}, {"x://h?pageNumber=+3", 3},  {"x://h?pageNumber=abc", 0},
        {"x://h?pageNumber=", 0},  {"x://h?pageNumber=99", 4},  {"x://h?pageNumber=-5", 0},
        {"x://h?pageNumber=4", 4}, {"x://h?pageNumber=123456789012345678901234567890", 0},
    };
    for (const auto &[link, page] : cases) {
        store.setCurrentPage(1);
        store.openPageFromLink(items(link));
        EXPECT_EQ(store.currentPage(), page) << link;
    }
    store.setCurrentPage(1);
    store.openPageFromLink(items("x://h?page=3"));
    store.openPageFromLink(items("x://h?pageNumber"));
    EXPECT_EQ(store.currentPage(), 1);
}

TEST_F(Store, SharedEventLinksAddOnceWithinTheLimit)
{
    seedSavedEvents(numberedEvents(3));
    UserData store;
    const QString link = QStringLiteral("https://ruru.page.link/?ddate=2027-02-14&countdown=true&dateTitle=Valentine&colorIndex=1003");
    ASSERT_TRUE(dispatchLink(store, link));
    ASSERT_EQ(store.count(), 4);
    const EDate added = store.magicDates().at(0);
    EXPECT_EQ(added.dateTitle, QStringLiteral("Valentine"));
    EXPECT_EQ(added.ddate, QStringLiteral("2027-02-14"));
    EXPECT_EQ(added.countdown, std::optional(true));
    EXPECT_EQ(added.colorIndex, std::optional<qint64>(1003));

    // The same title again (any date) adds nothing.
    dispatchLink(store, QStringLiteral("https://ruru.page.link/?ddate=2028-01-01&countdown=true&dateTitle=Valentine"));
    EXPECT_EQ(store.count(), 4);

    // No colour: theme 1. Any countdown text but exactly "true" counts up.
    dispatchLink(store, QStringLiteral("https://ruru.page.link/?ddate=2020-01-01&countdown=True&dateTitle=Since"));
    EXPECT_EQ(store.magicDates().at(0).colorIndex, std::optional<qint64>(1));
    EXPECT_EQ(store.magicDates().at(0).countdown, std::optional(false));

    // Missing parts: nothing.
    dispatchLink(store, QStringLiteral("https://ruru.page.link/?ddate=2020-01-01&dateTitle=NoDirection"));
    dispatchLink(store, QStringLiteral("https://ruru.page.link/?countdown=true&dateTitle=NoDate"));
    EXPECT_EQ(store.count(), 5);
}

TEST_F(Store, SharedEventLinksRespectTheLimitOfThirty)
{
    seedSavedEvents(numberedEvents(29));
    UserData store;
    dispatchLink(store, QStringLiteral("https://ruru.page.link/?ddate=2027-02-14&countdown=true&dateTitle=Thirtieth"));
    EXPECT_EQ(store.count(), 30);
    EXPECT_FALSE(store.alertMaxEvent());
    dispatchLink(store, QStringLiteral("https://ruru.page.link/?ddate=2027-02-14&countdown=true&dateTitle=Too+many"));
    EXPECT_EQ(store.count(), 30);
    EXPECT_TRUE(store.alertMaxEvent());
    EXPECT_EQ(store.alertTitle(), QStringLiteral("Can't add a new event"));
    EXPECT_EQ(store.alertCopy(), QStringLiteral("You exceed the max number of events. "));
}

TEST_F(Store, LinksThatAreNotUrlsOrHaveNoQueryDoNothing)
{
    seedSavedEvents(numberedEvents(3));
    UserData store;
    store.setCurrentPage(2);
    EXPECT_FALSE(dispatchLink(store, QStringLiteral("https://ruru.page.link/")));
    EXPECT_FALSE(dispatchLink(store, QStringLiteral("https://ruru.page.link/?pageNumber=%zz")));
    EXPECT_FALSE(dispatchLink(store, QStringLiteral("not a url at all %%%")));
    EXPECT_EQ(store.currentPage(), 2);
    EXPECT_EQ(store.count(), 3);
}

TEST_F(Store, ReminderChoiceFollowsTheAuthorizationAndIsAlwaysStored)
{
    QList<EDate> events = numberedEvents(2);
    events[1].countdown = false;
    seedSavedEvents(events);
    UserData store;
    {
        NotificationHelper undecided;
        EXPECT_EQ(applyReminderChoice(store, 0, NotiDays::one, undecided), ReminderOutcome::PermissionNotDetermined);
        EXPECT_EQ(savedEvents().at(0).repeatNotification, std::optional<qint64>(1));
        EXPECT_TRUE(pendingIdentifiers().isEmpty());
    }
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Denied);
    {
        NotificationHelper denied;
        EXPECT_EQ(applyReminderChoice(store, 0, NotiDays::three, denied), ReminderOutcome::PermissionDenied);
        EXPECT_EQ(savedEvents().at(0).repeatNotification, std::optional<qint64>(2));
        EXPECT_TRUE(pendingIdentifiers().isEmpty());
    }
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    NotificationHelper allowed;
    EXPECT_EQ(applyReminderChoice(store, 0, NotiDays::three, allowed), ReminderOutcome::Scheduled);
    EXPECT_EQ(pendingIdentifiers().size(), 4);
    EXPECT_EQ(applyReminderChoice(store, 1, NotiDays::seven, allowed), ReminderOutcome::IgnoredForCountUp);
    EXPECT_FALSE(savedEvents().at(1).repeatNotification);
    EXPECT_EQ(applyReminderChoice(store, 1, NotiDays::off, allowed), ReminderOutcome::Cleared);
    EXPECT_EQ(savedEvents().at(1).repeatNotification, std::optional<qint64>(0));
    EXPECT_EQ(applyReminderChoice(store, 0, NotiDays::off, allowed), ReminderOutcome::Cleared);
    EXPECT_TRUE(pendingIdentifiers().isEmpty());
}
