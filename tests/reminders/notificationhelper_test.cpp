#include <model/edate.h>
#include <reminders/notificationhelper.h>
#include <reminders/notidays.h>
#include <support/testenvironment.h>

#include <QSet>
#include <QTimeZone>
#include <support/logcapture.h>
#include <gtest/gtest.h>

namespace {


const QString kTripId = QStringLiteral("0B9E4D7A-2C61-4F08-A3D2-5E8B7C6A9D02");

EDate event(const QString &ddate, const QString &id = kTripId, const QString &title = QStringLiteral("Trip"))
{
    EDate date;
    date.ddate = ddate;
    date.dateTitle = title;
    date.id = id;
    return date;
}

QStringList identifiersOf(const QList<NotificationRequest> &requests)
{
    QStringList identifiers;
    for (const NotificationRequest &request : requests)
        identifiers.append(request.identifier);
    return identifiers;
}

// What the user's notification centre holds, read as another process would.
QList<NotificationRequest> stored()
{
    return NotificationCenter().pendingRequests();
}

QList<NotificationRequest> storedContaining(const QString &fragment)
{
    QList<NotificationRequest> matching;
    for (const NotificationRequest &request : stored()) {
        if (request.identifier.contains(fragment))
            matching.append(request);
    }
    return matching;
}

class Reminders : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
};

} // namespace

TEST_F(Reminders, OneRemindsOnTheDayItselfAtTen)
{
    NotificationHelper helper;
    helper.addNotification(event(QStringLiteral("2026-12-24")), NotiDays::one);

    const QList<NotificationRequest> pending = stored();
    ASSERT_EQ(pending.size(), 1);
    const NotificationRequest &request = pending.first();
    EXPECT_EQ(request.identifier, kTripId + QStringLiteral(" 2026-12-24 0"));
    EXPECT_EQ(request.title, QStringLiteral("Trip"));
    EXPECT_EQ(request.body, QStringLiteral("Today is the day!"));
    EXPECT_TRUE(request.defaultSound);
    EXPECT_FALSE(request.trigger.repeats);
    EXPECT_EQ(request.trigger.fireTime(), localTime(2026, 12, 24, 10, 0));

    ScopedLocale korean(QStringLiteral("ko_KR"));
    helper.addNotification(event(QStringLiteral("2026-12-24")), NotiDays::one);
    EXPECT_EQ(stored().first().body, QString::fromUtf8("오늘이 바로 그날이에요!"));
}

TEST_F(Reminders, SevenRemindsOnTheDayAndEachOfTheSevenDaysBefore)
{
    NotificationHelper helper;
    helper.addNotification(event(QStringLiteral("2026-03-03")), NotiDays::seven);

    const QList<NotificationRequest> pending = stored();
    ASSERT_EQ(pending.size(), 8);
    for (int k = 0; k < 8; ++k) {
        const QDate day = QDate(2026, 3, 3).addDays(-k);
        const NotificationRequest &request = pending[k];
        EXPECT_EQ(request.identifier, kTripId + QLatin1Char(' ') + day.toString(Qt::ISODate) + QLatin1Char(' ')
                      + QString::number(k));
        EXPECT_EQ(request.trigger.fireTime(), QDateTime(day, QTime(10, 0))) << k;
        EXPECT_EQ(request.body, k == 0 ? QStringLiteral("Today is the day!")
                                : k == 1 ? QStringLiteral("1 day left")
                                         : QString::number(k) + QStringLiteral(" days left"));
    }
    EXPECT_EQ(pending[7].identifier, kTripId + QStringLiteral(" 2026-02-24 7"));
    EXPECT_TRUE(pending[7].body.startsWith(QStringLiteral("7 ")));
}

TEST_F(Reminders, AnotherOptionReplacesTheEventsRemindersOnly)
{
    NotificationHelper helper;
    const EDate other = event(QStringLiteral("2026-06-01"), QStringLiteral("OTHER-ID"));
    helper.addNotification(other, NotiDays::one);
    helper.addNotification(event(QStringLiteral("2026-12-24")), NotiDays::seven);
    helper.addNotification(event(QStringLiteral("2026-12-24")), NotiDays::three);

    EXPECT_EQ(identifiersOf(storedContaining(kTripId)),
              (QStringList{kTripId + QStringLiteral(" 2026-12-24 0"), kTripId + QStringLiteral(" 2026-12-23 1"),
                           kTripId + QStringLiteral(" 2026-12-22 2"), kTripId + QStringLiteral(" 2026-12-21 3")}));
    EXPECT_EQ(storedContaining(QStringLiteral("OTHER-ID")).size(), 1);

    // A new date for the same option moves the reminders rather than adding to them.
    helper.addNotification(event(QStringLiteral("2027-01-10")), NotiDays::one);
    EXPECT_EQ(identifiersOf(storedContaining(kTripId)), QStringList{kTripId + QStringLiteral(" 2027-01-10 0")});
}

TEST_F(Reminders, OffAndRemovalLeaveNothingOfTheEvent)
{
    NotificationHelper helper;
    const EDate trip = event(QStringLiteral("2026-12-24"));
    helper.addNotification(event(QStringLiteral("2026-06-01"), QStringLiteral("OTHER-ID")), NotiDays::three);
    helper.addNotification(trip, NotiDays::seven);
    helper.scheduleNotification(QStringLiteral("body"), QStringLiteral("Trip"), localTime(2026, 12, 24), kTripId);

    LogCapture log;
    helper.addNotification(trip, NotiDays::off);
    EXPECT_TRUE(storedContaining(kTripId).isEmpty());
    EXPECT_EQ(storedContaining(QStringLiteral("OTHER-ID")).size(), 4);
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("tallowick.reminders: [addNotification] for # of Days --- - 0")});

    helper.addNotification(trip, NotiDays::three);
    helper.removeNotification(trip);
    EXPECT_TRUE(storedContaining(kTripId).isEmpty());
    EXPECT_EQ(stored().size(), 4);
}

// Reminders are found by their event's id as a substring, so an id inside another id takes
// the other event's reminders with its own. Event ids are UUIDs, which never nest.
TEST_F(Reminders, AnIdInsideAnotherIdClearsBoth)
{
    NotificationHelper helper;
    const EDate shorter = event(QStringLiteral("2026-12-24"), QStringLiteral("ABC"));
    const EDate longer = event(QStringLiteral("2026-12-25"), QStringLiteral("ABC-2"));
    helper.addNotification(longer, NotiDays::three);
    helper.addNotification(shorter, NotiDays::one);
    EXPECT_EQ(identifiersOf(stored()), QStringList{QStringLiteral("ABC 2026-12-24 0")});

    helper.addNotification(longer, NotiDays::three);
    helper.removeNotification(longer);
    EXPECT_EQ(identifiersOf(stored()), QStringList{QStringLiteral("ABC 2026-12-24 0")});
    helper.addNotification(longer, NotiDays::one);
    helper.removeNotification(shorter);
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(Reminders, AnEmptyTitleGivesEmptyTitles)
{
    NotificationHelper helper;
    helper.addNotification(event(QStringLiteral("2026-12-24"), kTripId, QString()), NotiDays::three);
    const QList<NotificationRequest> pending = stored();
    ASSERT_EQ(pending.size(), 4);
    for (const NotificationRequest &request : pending)
        EXPECT_TRUE(request.title.isEmpty());
}

TEST_F(Reminders, ADateThatDoesNotParseCountsFromNow)
{
    FixedClock clock(localTime(2025, 1, 15, 18, 30));
    NotificationHelper helper;
    helper.addNotification(event(QStringLiteral("someday")), NotiDays::three);
    const QList<NotificationRequest> pending = stored();
    ASSERT_EQ(pending.size(), 4);
    EXPECT_EQ(pending[0].identifier, kTripId + QStringLiteral(" 2025-01-15 0"));
    EXPECT_EQ(pending[0].trigger.fireTime(), localTime(2025, 1, 15, 10, 0));
    EXPECT_EQ(pending[3].identifier, kTripId + QStringLiteral(" 2025-01-12 3"));
}

// Reminders made before a time is chosen move to it, those made after are made at it, and
// each fires at that local time on its own calendar day on both sides of a clock change;
// a time the change skips fires at the first moment after the gap on that day.
TEST_F(Reminders, AChosenTimeHoldsOnEachDayAcrossAClockChange)
{
    struct Case
    {
        const char *zone;
        QDate eventDay; // the clocks change within the 7 days before it
        QTime chosen;
    };
    const Case cases[] = {
        {"Europe/Berlin", QDate(2024, 4, 3), QTime(7, 45)},    // forward on 31 March
        {"Europe/Berlin", QDate(2024, 10, 30), QTime(21, 5)},  // back on 27 October
        {"America/New_York", QDate(2024, 3, 12), QTime(0, 0)}, // forward on 10 March
        {"America/New_York", QDate(2024, 11, 5), QTime(18, 30)}, // back on 3 November
        {"America/New_York", QDate(2024, 3, 12), QTime(2, 30)}, // 02:30 on 10 March is skipped
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.eventDay.toString(Qt::ISODate).toStdString() + " "
                     + c.chosen.toString().toStdString());
        TemporaryHome caseHome;
        ScopedTimeZone zone(c.zone);
        NotificationHelper helper;
        const QString later = QStringLiteral("7C1D2E3F-0000-4000-8000-000000000001");
        helper.addNotification(event(c.eventDay.toString(Qt::ISODate)), NotiDays::seven);
        ASSERT_TRUE(helper.center().setReminderTime(c.chosen));
        helper.addNotification(event(c.eventDay.addDays(1).toString(Qt::ISODate), later), NotiDays::seven);

        const QList<NotificationRequest> pending = stored();
        ASSERT_EQ(pending.size(), 16);
        QSet<qint64> offsets;
        for (const NotificationRequest &request : pending) {
            const auto fire = request.trigger.fireTime();
            ASSERT_TRUE(fire) << request.identifier.toStdString();
            EXPECT_EQ(fire->date(), QDate::fromString(request.identifier.section(QLatin1Char(' '), 1, 1), Qt::ISODate))
                << request.identifier.toStdString();
            offsets.insert(fire->offsetFromUtc());
            if (QDateTime(fire->date(), c.chosen).isValid())
                EXPECT_EQ(fire->time(), c.chosen) << request.identifier.toStdString();
            else
                EXPECT_EQ(fire->time(), c.chosen.addSecs(3600)) << request.identifier.toStdString();
        }
        EXPECT_EQ(offsets.size(), 2) << "the reminders lie on both sides of the change";
    }
}

TEST_F(Reminders, ScheduleUsesTheLocalDayOfTheInstantAndLogsIt)
{
    NotificationHelper helper;
    LogCapture log;
    // 20:00 UTC on 30 April is already 1 May in Seoul.
    helper.scheduleNotification(QStringLiteral("3 days left"), QStringLiteral("Trip"),
                                QDateTime(QDate(2026, 4, 30), QTime(20, 0), QTimeZone::utc()), QStringLiteral("id-1"));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("tallowick.reminders: day: 1, month: 5, year: 2026")});
    const QList<NotificationRequest> pending = stored();
    ASSERT_EQ(pending.size(), 1);
    EXPECT_EQ(pending[0].identifier, QStringLiteral("id-1"));
    EXPECT_EQ(pending[0].body, QStringLiteral("3 days left"));
    EXPECT_EQ(pending[0].trigger.fireTime(), localTime(2026, 5, 1, 10, 0));
}

TEST_F(Reminders, DiagnosticLinesKeepTheirFixedTexts)
{
    NotificationHelper helper;
    LogCapture log;
    helper.addNotification(event(QStringLiteral("2026-12-24")), NotiDays::one);
    EXPECT_EQ(log.lines(),
              (QStringList{QStringLiteral("tallowick.reminders: [addNotification] for # of Days --- - 1"),
                           QStringLiteral("tallowick.reminders: [addNotification, [date], [id], [copy]] 2026-12-24 ")
                               + kTripId + QStringLiteral(" 2026-12-24 0 Today is the day!"),
                           QStringLiteral("tallowick.reminders: day: 24, month: 12, year: 2026")}));

    LogCapture pendingLog;
    NotificationHelper::logPendingNotifications(stored());
    EXPECT_EQ(pendingLog.lines(), (QStringList{QStringLiteral("tallowick.reminders: MY pending notifications ------ 1"),
                                        QStringLiteral("tallowick.reminders: Trip ") + kTripId
                                            + QStringLiteral(" 2026-12-24 0 2026-12-24 10:00")}));
}

TEST_F(Reminders, StatusIsReadOnceAtCreation)
{
    {
        const NotificationHelper undecided;
        EXPECT_EQ(undecided.status(), AuthorizationStatus::NotDetermined);
        EXPECT_EQ(undecided.property("status").toInt(), 0);
    }
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    NotificationHelper helper;
    EXPECT_EQ(helper.status(), AuthorizationStatus::Authorized);
    EXPECT_EQ(helper.property("status").toInt(), 2);

    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Denied);
    EXPECT_EQ(helper.status(), AuthorizationStatus::Authorized);
    EXPECT_EQ(NotificationHelper().status(), AuthorizationStatus::Denied);
}

TEST_F(Reminders, AuthorizationRequestOnlyReportsAnAllowedState)
{
    NotificationHelper helper;
    {
        LogCapture log;
        helper.requestAuthorization();
        EXPECT_TRUE(log.lines().isEmpty());
    }
    helper.center().setAuthorizationStatus(AuthorizationStatus::Authorized);
    LogCapture log;
    helper.requestAuthorization();
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("tallowick.reminders: All set!")});
    EXPECT_EQ(helper.status(), AuthorizationStatus::NotDetermined);
}

TEST(NotiDays, StoredCodesAndCountsAreFixed)
{
    const struct
    {
        NotiDays option;
        qint64 code;
        int count;
        const char *name;
    } table[] = {{NotiDays::one, 1, 1, "one"}, {NotiDays::three, 2, 4, "three"}, {NotiDays::seven, 3, 8, "seven"},
                 {NotiDays::off, 0, 0, "off"}};
    for (const auto &row : table) {
        EXPECT_EQ(notiDaysCode(row.option), row.code) << row.name;
        EXPECT_EQ(notiDaysFromCode(row.code), row.option) << row.name;
        EXPECT_EQ(reminderCount(row.option), row.count) << row.name;
        EXPECT_EQ(notiDaysName(row.option), QLatin1String(row.name));
        EXPECT_EQ(notiDaysFromName(QLatin1String(row.name)), row.option);
    }
    for (qint64 unknown : {qint64(-1), qint64(4), qint64(100), std::numeric_limits<qint64>::min()})
        EXPECT_EQ(notiDaysFromCode(unknown), NotiDays::off) << unknown;
    EXPECT_FALSE(notiDaysFromName(QStringLiteral("two")));
    EXPECT_FALSE(notiDaysFromName(QStringLiteral("One")));
}
