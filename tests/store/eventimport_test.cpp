#include <platform/settingsstore.h>
#include <store/userdata.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <calendar/calendarfeed.h>
#include <calendar/icalendarexport.h>
#include <platform/atomicfile.h>
#include <store/eventtransfer.h>
#include <model/calendarhelper.h>
#include <reminders/notificationhelper.h>
#include <reminders/notidays.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(TALLOWICK_CALENDAR_FILES "/") + QLatin1String(name);
}

QStringList titlesOf(const QList<TransferItem> &items)
{
    QStringList titles;
    for (const TransferItem &item : items)
        titles.append(item.title);
    return titles;
}

QList<TransferReason> reasonsOf(const QList<TransferItem> &items)
{
    QList<TransferReason> reasons;
    for (const TransferItem &item : items)
        reasons.append(item.reason);
    return reasons;
}

// The VEVENT blocks of a calendar text by UID, without their stamps.
QMap<QString, QByteArray> eventsByUid(const QByteArray &calendar)
{
    QMap<QString, QByteArray> events;
    const QByteArray text = ICalendarExport::withoutStamps(calendar);
    qsizetype at = 0;
    while ((at = text.indexOf("BEGIN:VEVENT", at)) >= 0) {
        const qsizetype end = text.indexOf("END:VEVENT", at);
        const QByteArray block = text.mid(at, end - at);
        const qsizetype uid = block.indexOf("UID:") + 4;
        events.insert(QString::fromUtf8(block.mid(uid, block.indexOf('\r', uid) - uid)), block);
        at = end;
    }
    return events;
}

QByteArray fortyEvents()
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Forty//EN\r\n";
    for (int i = 0; i < 40; ++i) {
        text += QStringLiteral("BEGIN:VEVENT\r\nUID:%1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:%2\r\n"
                               "SUMMARY:Day %3\r\nEND:VEVENT\r\n")
                    .arg(QStringLiteral("1A2B3C4D-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0')),
                         QDate(2027, 1, 1).addDays(i).toString(QStringLiteral("yyyyMMdd")))
                    .arg(i)
                    .toUtf8();
    }
    return text + "END:VCALENDAR\r\n";
}

class Import : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9)};
};

} // namespace

TEST_F(Import, TheShapesOtherProgramsWriteWithTheSummarysNumbers)
{
    seedEvents(numberedEvents(2));
    UserData store;

    TransferSummary summary = store.importCalendar(fixture("birthdays-google.ics"));
    ASSERT_TRUE(summary.fileRead());
    EXPECT_EQ(titlesOf(summary.added), (QStringList{"Mum's birthday", "Dad", "Leap baby"}));
    EXPECT_EQ(reasonsOf(summary.skipped), QList<TransferReason>{TransferReason::OneOccurrence});
    EXPECT_EQ(titlesOf(summary.refused), (QStringList{"Mother's Day", "Three summers"}));
    EXPECT_EQ(reasonsOf(summary.refused), QList<TransferReason>(2, TransferReason::OtherRepeat));
    EXPECT_EQ(summary.headline(), QStringLiteral("3 added, 1 skipped, 2 refused"));
    // The store shows what the import left: the file's first event first, all counting down
    // every year in the forms' theme, with new ids (theirs are no UUIDs).
    ASSERT_EQ(store.count(), 5);
    const EDate &mum = store.magicDates().at(0);
    EXPECT_EQ(mum.dateTitle, QStringLiteral("Mum's birthday"));
    EXPECT_EQ(mum.ddate, QStringLiteral("1990-05-15"));
    EXPECT_TRUE(mum.repeatsYearly());
    EXPECT_EQ(mum.colorIndex, std::optional<qint64>(EventRules::kDefaultThemeId));
    EXPECT_EQ(mum.id.size(), 36);
    EXPECT_EQ(store.magicDates().at(2).ddate, QStringLiteral("2000-02-29"));
    EXPECT_EQ(titlesOf(savedEvents()).mid(3), (QStringList{"E0", "E1"}));

    summary = store.importCalendar(fixture("timed-outlook.ics"));
    EXPECT_EQ(titlesOf(summary.added), (QStringList{"Late call with Seoul", "Dentist", "Flight home"}));
    EXPECT_EQ(summary.added.at(0).date, QStringLiteral("2026-03-11"));
    EXPECT_EQ(summary.added.at(2).date, QStringLiteral("2026-12-25"));
    EXPECT_EQ(reasonsOf(summary.skipped), QList<TransferReason>{TransferReason::Cancelled});
    EXPECT_FALSE(store.magicDates().at(0).repeat);

    summary = store.importCalendar(fixture("folded-lines.ics"));
    EXPECT_EQ(titlesOf(summary.added), (QStringList{"Graduation day, at l", QString::fromUtf8("할머니 팔순 잔치"),
                                                    "Tea, cake; and a \\ b"}));

    // A second import of the same file adds nothing: the same title on the same day is there.
    summary = store.importCalendar(fixture("birthdays-google.ics"));
    EXPECT_TRUE(summary.added.isEmpty());
    EXPECT_EQ(reasonsOf(summary.skipped), (QList<TransferReason>{TransferReason::SameTitleAndDate, TransferReason::SameTitleAndDate,
                                                                  TransferReason::SameTitleAndDate, TransferReason::OneOccurrence}));
    EXPECT_EQ(store.count(), 11);
    EXPECT_EQ(savedEvents().size(), 11);
}

TEST_F(Import, FortyEventsFillTheListInOneStepAndTheRestAreReported)
{
    seedEvents(numberedEvents(2));
    EventRepository repository;
    repository.open();
    quint64 before = AtomicFile::writeCount();
    TransferSummary summary = EventTransfer::importCalendarText(repository, fortyEvents());
    // One step: the settings, the widget's contents and the feed, each written once.
    EXPECT_EQ(AtomicFile::writeCount() - before, 3u);
    EXPECT_EQ(summary.added.size(), 28);
    EXPECT_EQ(summary.refused.size(), 12);
    EXPECT_EQ(reasonsOf(summary.refused), QList<TransferReason>(12, TransferReason::ListFull));
    EXPECT_EQ(summary.refused.at(0).title, QStringLiteral("Day 28"));
    const QList<EDate> saved = savedEvents();
    ASSERT_EQ(saved.size(), EventRules::kMaxEvents);
    EXPECT_EQ(saved.at(0).dateTitle, QStringLiteral("Day 0"));
    EXPECT_EQ(saved.at(27).dateTitle, QStringLiteral("Day 27"));
    EXPECT_EQ(saved.at(0).id, QStringLiteral("1A2B3C4D-0000-4000-8000-000000000000")); // UUIDs stay the ids
    EXPECT_EQ(saved.at(28).dateTitle, QStringLiteral("E0"));
    EXPECT_EQ(readFile(CalendarFeed::path()).count("BEGIN:VEVENT"), 30);

    // Again: the ones there are known by their UID; the others still do not fit. Nothing is written.
    before = AtomicFile::writeCount();
    summary = EventTransfer::importCalendarText(repository, fortyEvents());
    EXPECT_EQ(AtomicFile::writeCount(), before);
    EXPECT_EQ(reasonsOf(summary.skipped), QList<TransferReason>(28, TransferReason::SameEvent));
    EXPECT_EQ(summary.refused.size(), 12);
}

TEST_F(Import, ExportImportIntoAFreshListAndExportAgainGiveTheSameEvents)
{
    QList<EDate> events = numberedEvents(4);
    events[0].ddate = QStringLiteral("2016-02-29");
    events[0].repeat = QLatin1String(EDate::kRepeatYearly);
    events[0].repeatNotification = 3;
    events[1].repeatNotification = 2;
    events[2].countdown = false;
    events[3].dateTitle = QString::fromUtf8("Tea, cake; \\ 🎂");
    seedEvents(events);
    EventRepository repository;
    repository.setNotificationsAllowed(true);
    const QByteArray first = EventTransfer::calendarText(repository);
    const QStringList pending = [] {
        QStringList ids;
        for (const NotificationRequest &request : NotificationCenter().pendingRequests())
            ids.append(request.identifier);
        return ids;
    }();
    ASSERT_EQ(pending.size(), 12);

    TemporaryHome fresh;
    EventRepository another;
    another.setNotificationsAllowed(true);
    const TransferSummary summary = EventTransfer::importCalendarText(another, first);
    EXPECT_EQ(summary.added.size(), 4);
    EXPECT_EQ(summary.remindersScheduled, 2);
    const QByteArray again = EventTransfer::calendarText(another);
    const QMap<QString, QByteArray> before = eventsByUid(first);
    const QMap<QString, QByteArray> after = eventsByUid(again);
    ASSERT_EQ(before.size(), 4);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    // The same reminders, to the identifier.
    QStringList restored;
    for (const NotificationRequest &request : NotificationCenter().pendingRequests())
        restored.append(request.identifier);
    EXPECT_EQ(restored, pending);
}

TEST_F(Import, AFileThatIsNoCalendarChangesNothing)
{
    seedEvents(numberedEvents(3));
    EventRepository repository;
    repository.open();
    const QByteArray settings = readFile(SettingsStore().path());
    const QByteArray feed = readFile(CalendarFeed::path());
    const QString damaged = home.root() + QStringLiteral("/damaged.ics");
    writeFile(damaged, readFile(fixture("birthdays-google.ics")).left(700));
    const QString pipe = home.root() + QStringLiteral("/pipe.ics");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::pair<QString, TransferSummary::Problem> cases[] = {
        {damaged, TransferSummary::Problem::NotACalendar},
        {home.root() + QStringLiteral("/missing.ics"), TransferSummary::Problem::Unreadable},
        {pipe, TransferSummary::Problem::Unreadable},
        {home.root(), TransferSummary::Problem::Unreadable},
    };
    for (const auto &[path, problem] : cases) {
        const TransferSummary summary = EventTransfer::importCalendar(repository, path);
        EXPECT_EQ(summary.problem, problem) << path.toStdString();
        EXPECT_FALSE(summary.problemText().isEmpty());
        EXPECT_TRUE(summary.added.isEmpty() && summary.skipped.isEmpty() && summary.refused.isEmpty());
    }
    EXPECT_EQ(readFile(SettingsStore().path()), settings);
    EXPECT_EQ(readFile(CalendarFeed::path()), feed);
}

// An event of the list that a calendar has in another version: the summary names the fields
// that differ and nothing changes; an update takes the file's version of them in one step,
// by the list's rules (a count-up event keeps counting up and never repeats).
TEST_F(Import, AChangedEventIsNamedAndTakenOnlyWithAnUpdate)
{
    QList<EDate> events = numberedEvents(3, QDate(2027, 1, 1));
    events[1].countdown = false;
    const struct
    {
        const char *name;
        int at;
        void (*change)(EDate &);
        QStringList fields;
    } cases[] = {
        {"title", 0, [](EDate &e) { e.dateTitle = QStringLiteral("Journey"); }, {QStringLiteral("title")}},
        {"date", 0, [](EDate &e) { e.ddate = QStringLiteral("2027-02-02"); }, {QStringLiteral("date")}},
        {"yearly", 0, [](EDate &e) { e.repeat = QLatin1String(EDate::kRepeatYearly); }, {QStringLiteral("yearly")}},
        {"reminder", 0, [](EDate &e) { e.repeatNotification = 2; }, {QStringLiteral("reminder")}},
        {"all", 0,
         [](EDate &e) {
             e.dateTitle = QStringLiteral("Journey");
             e.ddate = QStringLiteral("2027-02-02");
             e.repeat = QLatin1String(EDate::kRepeatYearly);
             e.repeatNotification = 1;
         },
         {QStringLiteral("title"), QStringLiteral("date"), QStringLiteral("yearly"), QStringLiteral("reminder")}},
        {"count-up date", 1, [](EDate &e) { e.ddate = QStringLiteral("2020-05-05"); }, {QStringLiteral("date")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        seedEvents(events);
        EventRepository repository;
        repository.setNotificationsAllowed(true);
        QList<EDate> other = events;
        c.change(other[c.at]);
        const QByteArray file = ICalendarExport::calendar(other, localTime(2026, 12, 8, 9));

        const quint64 before = AtomicFile::writeCount();
        TransferSummary summary = EventTransfer::importCalendarText(repository, file);
        EXPECT_EQ(AtomicFile::writeCount(), before);
        EXPECT_EQ(savedEvents(), events);
        ASSERT_EQ(summary.changedCount(), 1);
        EXPECT_EQ(summary.skipped.size(), 3);
        const auto changed = std::find_if(summary.skipped.cbegin(), summary.skipped.cend(),
                                          [](const TransferItem &item) { return item.reason == TransferReason::ChangedInFile; });
        EXPECT_EQ(changed->differences, c.fields);
        EXPECT_EQ(summary.headline(), QStringLiteral("0 added, 3 skipped, 0 refused"));

        summary = EventTransfer::importCalendarText(repository, file, true);
        ASSERT_EQ(summary.updated.size(), 1);
        EXPECT_EQ(summary.updated.at(0).differences, c.fields);
        EXPECT_EQ(summary.headline(), QStringLiteral("0 added, 2 skipped, 0 refused, 1 updated"));
        const EDate taken = savedEvents().at(c.at);
        EXPECT_EQ(taken.dateTitle, other.at(c.at).dateTitle);
        EXPECT_EQ(taken.ddate, other.at(c.at).ddate);
        EXPECT_EQ(taken.repeat, other.at(c.at).repeat);
        EXPECT_EQ(taken.repeatNotification, other.at(c.at).repeatNotification);
        EXPECT_EQ(taken.countdown, events.at(c.at).countdown);
        EXPECT_EQ(taken.colorIndex, events.at(c.at).colorIndex);
        // The reminders follow the taken day and choice.
        const auto next = CalendarHelper::nextOccurrence(taken);
        const QDate day = next ? next->day : *CalendarHelper::dayOf(taken.ddate);
        int pending = 0;
        for (const NotificationRequest &request : NotificationCenter().pendingRequests()) {
            if (NotificationHelper::eventIdOf(request.identifier) != taken.id)
                continue;
            ++pending;
            EXPECT_EQ(NotificationHelper::eventDayOf(request.identifier), day);
        }
        EXPECT_EQ(pending, taken.repeatNotification ? reminderCount(notiDaysFromCode(*taken.repeatNotification)) : 0);
        // Taken: the same file is now in the list as it is.
        EXPECT_EQ(EventTransfer::importCalendarText(repository, file, true).changedCount(), 0);
    }
}
