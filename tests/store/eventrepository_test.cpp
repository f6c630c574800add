#include <platform/settingsstore.h>
#include <store/userdata.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <model/resources.h>
#include <model/widgetcontent.h>
#include <platform/atomicfile.h>
#include <platform/notificationcenter.h>
#include <platform/plistcodec.h>
#include <store/eventrepository.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class Repository : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    FixedClock clock{localTime(2026, 12, 8, 9, 30)};
    EventRepository repository;

    static QStringList pendingIdentifiers()
    {
        QStringList ids;
        for (const NotificationRequest &request : NotificationCenter().pendingRequests())
            ids.append(request.identifier);
        return ids;
    }

    static QString settingsPath() { return SettingsStore().path(); }
    static QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }
};

} // namespace

TEST_F(Repository, MakingOneAndReadingTouchNoFile)
{
    // Nothing saved yet: the packaged events, and still no file anywhere.
    const EventList first = EventRepository().read();
    EXPECT_EQ(first.source, EventList::Source::Defaults);
    EXPECT_EQ(first.events, defaultEvents());
    EXPECT_FALSE(QFileInfo::exists(home.configHome() + QStringLiteral("/tallowick")));
    EXPECT_FALSE(QFileInfo::exists(widgetContentsPath()));

    // A damaged settings file is reported, left where it is, and nothing is made beside it.
    writeFile(settingsPath(), "no property list");
    const QStringList before = filesIn(QFileInfo(settingsPath()).absolutePath());
    EXPECT_EQ(repository.read().source, EventList::Source::Unreadable);
    EXPECT_EQ(filesIn(QFileInfo(settingsPath()).absolutePath()), before);
    EXPECT_EQ(readFile(settingsPath()), QByteArray("no property list"));
}

TEST_F(Repository, OpeningSavesTheDefaultsOnceAndPublishesOnlyWhatChanged)
{
    const EventList opened = repository.open();
    EXPECT_EQ(opened.source, EventList::Source::Saved);
    EXPECT_EQ(savedEvents(), defaultEvents());
    const auto published = decodeWidgetContents(readFile(widgetContentsPath()));
    ASSERT_TRUE(published.has_value());
    EXPECT_EQ(titlesOf(*published), titlesOf(defaultEvents()));
    EXPECT_EQ(published->at(0).eventId, defaultEvents().at(0).id);

    // Later opens (a later time, the same list) write nothing at all.
    clock.set(localTime(2026, 12, 9, 8));
    const quint64 writes = AtomicFile::writeCount();
    repository.open();
    repository.publish();
    EXPECT_EQ(AtomicFile::writeCount(), writes);
}

TEST_F(Repository, EveryEntryRuleRefusesAndChangesNothing)
{
    seedEvents(numberedEvents(3));
    const QByteArray before = readFile(settingsPath());
    const QDate day(2027, 1, 1);
    const std::pair<EventDraft, StoreOutcome> refused[] = {
        {{QString(), day}, StoreOutcome::EmptyTitle},
        {{QStringLiteral(" \t\n "), day}, StoreOutcome::EmptyTitle},
        {{QStringLiteral("123456789012345678901"), day}, StoreOutcome::TitleTooLong},
        {{QStringLiteral("Trip"), QDate(2026, 2, 30)}, StoreOutcome::NotADate},
        {{QStringLiteral("Trip"), QDate()}, StoreOutcome::NotADate},
        {{QStringLiteral("Trip"), QDate(10000, 1, 1)}, StoreOutcome::NotADate},
        {{QStringLiteral("Trip"), day, true, 9999}, StoreOutcome::UnknownTheme},
    };
    for (const auto &[draft, outcome] : refused) {
        const EventRepository::Result result = repository.add(draft);
        EXPECT_EQ(result.outcome, outcome) << draft.title.toStdString();
        EXPECT_TRUE(isInvalidInput(result.outcome));
        EXPECT_EQ(result.list.events, numberedEvents(3));
    }
    const QString id = numberedEvents(3).at(1).id;
    EXPECT_EQ(repository.change(id, EventChange{QStringLiteral("   ")}).outcome, StoreOutcome::EmptyTitle);
    EXPECT_EQ(repository.change(id, EventChange{{}, QDate(2027, 2, 29)}).outcome, StoreOutcome::NotADate);
    EXPECT_EQ(repository.change(id, EventChange{{}, {}, {}, 424242}).outcome, StoreOutcome::UnknownTheme);
    EXPECT_EQ(readFile(settingsPath()), before);

    // Twenty characters as a reader counts them is the most a title has: emoji, accents and
    // Korean syllables are one each; white space around a title is not part of it.
    EXPECT_EQ(repository.add({QString::fromUtf8("🎉é한글가나다라마바사아자차카타파abc"), day}).outcome, StoreOutcome::Done);
    const EventRepository::Result padded = repository.add({QStringLiteral("  Trip\t"), day});
    ASSERT_EQ(padded.outcome, StoreOutcome::Done);
    EXPECT_EQ(padded.list.events.at(0).dateTitle, QStringLiteral("Trip"));
}

TEST_F(Repository, AddCopiesTheThemeAndPutsTheEventFirst)
{
    seedEvents(numberedEvents(3));
    const EventRepository::Result result = repository.add({QStringLiteral("Vacation"), QDate(2027, 1, 1), false, 1004});
    ASSERT_EQ(result.outcome, StoreOutcome::Done);
    const EDate &added = result.list.events.at(0);
    EXPECT_EQ(added.id, result.id);
    EXPECT_EQ(added.id.size(), 36);
    EXPECT_EQ(added.id, added.id.toUpper());
    EXPECT_EQ(added.ddate, QStringLiteral("2027-01-01"));
    EXPECT_EQ(added.countdown, std::optional(false));
    EXPECT_EQ(added.colorIndex, std::optional<qint64>(1004));
    EXPECT_FALSE(added.repeatNotification);
    EXPECT_FALSE(added.notification);
    const auto theme = std::find_if(colorSets().cbegin(), colorSets().cend(), [](const ColorProvider &t) { return t.id == 1004; });
    ASSERT_NE(theme, colorSets().cend());
    EXPECT_EQ(added.bgColor, theme->bgColor);
    EXPECT_EQ(added.lineColor, theme->lineColor);
    EXPECT_EQ(added.circleColor, theme->circleColor);
    EXPECT_EQ(added.barType, theme->barType);
    EXPECT_EQ(added.barColor, theme->barColor);
    EXPECT_EQ(savedEvents(), result.list.events);
}

TEST_F(Repository, TheLimitAndTheLastEventHold)
{
    seedEvents(numberedEvents(EventRules::kMaxEvents));
    EXPECT_EQ(repository.add({QStringLiteral("One too many"), QDate(2027, 1, 1)}).outcome, StoreOutcome::ListFull);
    // A title the list has is told apart from a full list, and looked for first.
    EXPECT_EQ(repository.add({QStringLiteral("E3"), QDate(2027, 1, 1)}, true).outcome, StoreOutcome::TitleTaken);
    EXPECT_EQ(savedEvents().size(), EventRules::kMaxEvents);

    seedEvents(numberedEvents(1));
    const QString last = numberedEvents(1).at(0).id;
    EXPECT_EQ(repository.remove(last).outcome, StoreOutcome::LastEvent);
    // An event that is gone is said to be gone, even when one event is left.
    EXPECT_EQ(repository.remove(QStringLiteral("no such id")).outcome, StoreOutcome::Gone);
    EXPECT_EQ(savedEvents().size(), 1);
}

TEST_F(Repository, AChangeSetsOnlyTheFieldsItNames)
{
    QList<EDate> events = numberedEvents(2);
    events[1].repeatNotification = 3;
    events[1].notification = true;
    seedEvents(events);
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    NotificationHelper(NotificationCenter()).addNotification(events[1], NotiDays::seven);
    ASSERT_EQ(pendingIdentifiers().size(), 8);
    const QString id = events[1].id;

    // Another program renamed it meanwhile; this change of direction keeps that title.
    ASSERT_EQ(repository.change(id, EventChange{QStringLiteral("Renamed elsewhere")}).outcome, StoreOutcome::Done);
    ASSERT_EQ(repository.change(id, EventChange{{}, {}, false}).outcome, StoreOutcome::Done);
    EDate changed = savedEvents().at(1);
    EXPECT_EQ(changed.dateTitle, QStringLiteral("Renamed elsewhere"));
    EXPECT_EQ(changed.countdown, std::optional(false));
    EXPECT_EQ(changed.colorIndex, events[1].colorIndex);
    // The same day keeps the reminders; another day forgets them.
    ASSERT_EQ(repository.change(id, EventChange{{}, QDate(2030, 1, 2)}).outcome, StoreOutcome::Done);
    EXPECT_EQ(savedEvents().at(1).repeatNotification, std::optional<qint64>(3));
    EXPECT_EQ(pendingIdentifiers().size(), 8);
    ASSERT_EQ(repository.change(id, EventChange{{}, QDate(2031, 5, 5), {}, 1}).outcome, StoreOutcome::Done);
    changed = savedEvents().at(1);
    EXPECT_EQ(changed.ddate, QStringLiteral("2031-05-05"));
    EXPECT_FALSE(changed.repeatNotification);
    EXPECT_TRUE(pendingIdentifiers().isEmpty());
    EXPECT_EQ(changed.colorIndex, std::optional<qint64>(1));
    EXPECT_EQ(changed.id, id);
    EXPECT_TRUE(changed.notification);
    EXPECT_EQ(repository.change(QStringLiteral("gone"), EventChange{QStringLiteral("X")}).outcome, StoreOutcome::Gone);
}

TEST_F(Repository, EachChangeWritesTheSettingsAndWhatShowsItOnceAndNoChangeNothing)
{
    seedEvents(numberedEvents(3));
    repository.open();
    const QString id = numberedEvents(3).at(0).id;
    // The settings, the widget's contents and the calendar feed.
    quint64 before = AtomicFile::writeCount();
    repository.change(id, EventChange{QStringLiteral("New"), QDate(2031, 1, 1), true, 1004});
    EXPECT_EQ(AtomicFile::writeCount() - before, 3u);
    before = AtomicFile::writeCount();
    repository.add({QStringLiteral("Added"), QDate(2031, 1, 1), true, 1});
    EXPECT_EQ(AtomicFile::writeCount() - before, 3u);
    // A new theme is nothing the calendar shows.
    before = AtomicFile::writeCount();
    repository.change(id, EventChange{{}, {}, {}, 1003});
    EXPECT_EQ(AtomicFile::writeCount() - before, 2u);
    // A reminder choice is nothing the widget shows: the settings and the feed's alarms.
    before = AtomicFile::writeCount();
    repository.chooseReminder(id, NotiDays::one);
    EXPECT_EQ(AtomicFile::writeCount() - before, 2u);
    before = AtomicFile::writeCount();
    repository.change(id, EventChange{QStringLiteral("New")});
    repository.move(id, EventRepository::indexOf(savedEvents(), id));
    EXPECT_EQ(AtomicFile::writeCount(), before);
}

TEST_F(Repository, ChangesFromAnotherProcessAreNeverLost)
{
    seedEvents(numberedEvents(3));
    EventRepository app;
    EventRepository cli;
    cli.add({QStringLiteral("From the CLI"), QDate(2027, 3, 1)});
    app.add({QStringLiteral("From the app"), QDate(2027, 4, 1)});
    // Each acts on the event it means, wherever the other moved it.
    cli.move(numberedEvents(3).at(2).id, 0);
    app.remove(numberedEvents(3).at(0).id);
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{QStringLiteral("E2"), QStringLiteral("From the app"),
                                                    QStringLiteral("From the CLI"), QStringLiteral("E1")}));
}

TEST_F(Repository, AnUnreadableListIsKeptAsideByTheNextChangeAndReplacedByTheLastGoodOne)
{
    seedEvents(numberedEvents(2));
    ASSERT_EQ(repository.read().source, EventList::Source::Saved);
    // Another program saves something that is no event list.
    const QByteArray junk = PlistCodec::toBinary(QVariantList{QStringLiteral("junk")});
    ASSERT_TRUE(SettingsStore().setValue(EventRepository::kEventsKey, junk));
    const EventList seen = repository.read();
    EXPECT_EQ(seen.source, EventList::Source::Unreadable);
    EXPECT_EQ(seen.events, numberedEvents(2));

    ASSERT_EQ(repository.add({QStringLiteral("After"), QDate(2027, 1, 1)}).outcome, StoreOutcome::Done);
    EXPECT_EQ(titlesOf(savedEvents()), (QStringList{QStringLiteral("After"), QStringLiteral("E0"), QStringLiteral("E1")}));
    const QDir folder(QFileInfo(settingsPath()).absolutePath());
    const QStringList kept = folder.entryList({QStringLiteral("settings.plist.magicDates-unreadable-*")});
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(readFile(folder.filePath(kept.at(0))), junk);
}

TEST_F(Repository, ReminderChoicesAreKeptUntilAllowedAndThenScheduled)
{
    QList<EDate> events = numberedEvents(3);
    events[2].countdown = false;
    seedEvents(events);
    EXPECT_EQ(repository.chooseReminder(events[0].id, NotiDays::three).outcome, ReminderOutcome::PermissionNotDetermined);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, std::optional<qint64>(2));
    repository.setNotificationsAllowed(false);
    EXPECT_EQ(repository.chooseReminder(events[1].id, NotiDays::one).outcome, ReminderOutcome::PermissionDenied);
    EXPECT_TRUE(pendingIdentifiers().isEmpty());
    EXPECT_EQ(repository.chooseReminder(events[2].id, NotiDays::seven).outcome, ReminderOutcome::IgnoredForCountUp);
    EXPECT_FALSE(savedEvents().at(2).repeatNotification);
    EXPECT_EQ(repository.chooseReminder(QStringLiteral("gone"), NotiDays::one).outcome, ReminderOutcome::EventGone);

    // Allowing brings every stored choice to life: 4 reminders for "three", 1 for "one".
    repository.setNotificationsAllowed(true);
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Authorized);
    EXPECT_EQ(pendingIdentifiers().size(), 5);
    EXPECT_EQ(repository.chooseReminder(events[0].id, NotiDays::off).outcome, ReminderOutcome::Cleared);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, std::optional<qint64>(0));
    EXPECT_EQ(pendingIdentifiers().size(), 1);
    EXPECT_EQ(repository.remove(events[1].id).outcome, StoreOutcome::Done);
    EXPECT_TRUE(pendingIdentifiers().isEmpty());
}

TEST_F(Repository, RemindersAheadAreWhatKeepsTheirDeliveryGoing)
{
    seedEvents(numberedEvents(1));
    const QString once = repository.add(EventDraft{QStringLiteral("Exam"), QDate(2026, 12, 20)}).id;
    EventDraft birthday{QStringLiteral("Birthday"), QDate(2016, 5, 1)};
    birthday.yearly = true;
    const QString yearly = repository.add(birthday).id;
    repository.chooseReminder(once, NotiDays::one);
    EXPECT_FALSE(repository.hasRemindersAhead()); // chosen, but not allowed
    repository.setNotificationsAllowed(true);
    EXPECT_TRUE(repository.hasRemindersAhead()); // pending
    // All delivered: an event that happens once has nothing more to come...
    NotificationCenter().removePendingRequests(pendingIdentifiers());
    EXPECT_FALSE(repository.hasRemindersAhead());
    // ...while a yearly one's next occurrence will have its reminders.
    repository.chooseReminder(yearly, NotiDays::one);
    NotificationCenter().removePendingRequests(pendingIdentifiers());
    EXPECT_TRUE(repository.hasRemindersAhead());
    repository.setNotificationsAllowed(false);
    EXPECT_FALSE(repository.hasRemindersAhead());
}

TEST_F(Repository, YearlyEventsCountDownAndKeepTheirRemindersWhereTheirDayStays)
{
    seedEvents(numberedEvents(1));
    EventDraft draft{QStringLiteral("Birthday"), QDate(2016, 5, 1)};
    draft.yearly = true;
    const EventRepository::Result added = repository.add(draft);
    ASSERT_EQ(added.outcome, StoreOutcome::Done);
    EXPECT_TRUE(savedEvents().at(0).repeatsYearly());
    EXPECT_FALSE(savedEvents().at(1).repeat); // the others are saved as they were

    draft.countdown = false;
    EXPECT_EQ(repository.add(draft).outcome, StoreOutcome::YearlyCountsUp);
    const QString countUp = repository.add(EventDraft{QStringLiteral("Since"), QDate(2020, 1, 1), false}).id;
    EventChange yearly;
    yearly.yearly = true;
    EXPECT_EQ(repository.change(countUp, yearly).outcome, StoreOutcome::YearlyCountsUp);
    yearly.countdown = true;
    EXPECT_EQ(repository.change(countUp, yearly).outcome, StoreOutcome::Done);
    EXPECT_TRUE(savedEvents().at(0).repeatsYearly());
    // Turned to count up, it stops coming back.
    ASSERT_EQ(repository.change(countUp, EventChange{{}, {}, false}).outcome, StoreOutcome::Done);
    EXPECT_FALSE(savedEvents().at(0).repeat);

    // Reminders are for the day to come: the next occurrence of a yearly event. Turning an
    // old event into a yearly one moves that day and forgets them, as a new date does.
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    ASSERT_EQ(repository.chooseReminder(added.id, NotiDays::three).outcome, ReminderOutcome::Scheduled);
    EXPECT_EQ(pendingIdentifiers(), (QStringList{added.id + QStringLiteral(" 2027-05-01 0"), added.id + QStringLiteral(" 2027-04-30 1"),
                                                 added.id + QStringLiteral(" 2027-04-29 2"), added.id + QStringLiteral(" 2027-04-28 3")}));
    EventChange once;
    once.yearly = false;
    ASSERT_EQ(repository.change(added.id, once).outcome, StoreOutcome::Done);
    EXPECT_TRUE(pendingIdentifiers().isEmpty());
    EXPECT_FALSE(savedEvents().at(2).repeatNotification);
    // An event still to come first falls on its own date: repeating moves nothing.
    const QString future = repository.add(EventDraft{QStringLiteral("Wedding"), QDate(2027, 6, 12)}).id;
    ASSERT_EQ(repository.chooseReminder(future, NotiDays::one).outcome, ReminderOutcome::Scheduled);
    yearly.countdown.reset();
    ASSERT_EQ(repository.change(future, yearly).outcome, StoreOutcome::Done);
    EXPECT_EQ(pendingIdentifiers(), QStringList{future + QStringLiteral(" 2027-06-12 0")});
    EXPECT_EQ(savedEvents().at(0).repeatNotification, std::optional<qint64>(1));
}
