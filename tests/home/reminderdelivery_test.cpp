#include <home/reminderdelivery.h>

#include <model/resources.h>
#include <platform/settingsstore.h>
#include <reminders/notificationhelper.h>
#include <store/eventrepository.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

class ReminderDeliveryTest : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9)};
    NotificationCenter center;
    EventRepository events;
    QList<DueReminder> sent;
    ReminderDelivery delivery{center, events, [this](const DueReminder &reminder) { sent.append(reminder); }};

    // An event on `day` with its reminders `option` scheduled, added at the front.
    EDate eventOn(const QDate &day, NotiDays option, const QString &title = QStringLiteral("Exam"))
    {
        const EventRepository::Result added = events.add(EventDraft{title, day});
        EXPECT_EQ(added.outcome, StoreOutcome::Done);
        const EDate event = *EventRepository::find(added.list.events, added.id);
        NotificationHelper(center).addNotification(event, option);
        return event;
    }

    int deliverAt(const QDateTime &now)
    {
        clock.set(now);
        return delivery.deliverDue(now);
    }
};

} // namespace

TEST_F(ReminderDeliveryTest, ADueReminderIsShownOnceWithItsEventsCountOfTheMoment)
{
    const EDate exam = eventOn(QDate(2026, 12, 20), NotiDays::seven);
    EXPECT_EQ(deliverAt(localTime(2026, 12, 13, 9, 59)), 0);
    EXPECT_EQ(deliverAt(localTime(2026, 12, 13, 10, 0, 30)), 1);
    EXPECT_EQ(deliverAt(localTime(2026, 12, 13, 10, 1, 30)), 0);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.at(0).eventId, exam.id);
    EXPECT_EQ(sent.at(0).title, QStringLiteral("Exam"));
    EXPECT_EQ(sent.at(0).body, QStringLiteral("7 days left"));
    EXPECT_EQ(sent.at(0).pageNumber, 0);
    // What is not due yet stays pending.
    EXPECT_EQ(center.pendingRequests().size(), 7);

    // The title as it is now, the plural the number wants, and "today" on the day.
    events.change(exam.id, EventChange{QStringLiteral("Final exam")});
    deliverAt(localTime(2026, 12, 19, 10, 0));
    deliverAt(localTime(2026, 12, 20, 10, 0));
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent.at(1).title, QStringLiteral("Final exam"));
    EXPECT_EQ(sent.at(1).body, QStringLiteral("1 day left"));
    EXPECT_EQ(sent.at(2).body, QStringLiteral("Today is the day!"));
}

// Started on the 17th at 09:30 and at 10:30 after days away, with "seven days before" for an
// event on the 20th: one reminder each time, with the count of that moment.
TEST_F(ReminderDeliveryTest, AfterTimeAwayEachEventGetsOneReminderWithTodaysCount)
{
    const EDate exam = eventOn(QDate(2026, 12, 20), NotiDays::seven);
    const EDate trip = eventOn(QDate(2027, 1, 30), NotiDays::three, QStringLiteral("Trip"));
    EXPECT_EQ(deliverAt(localTime(2026, 12, 17, 9, 30)), 1);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.at(0).body, QStringLiteral("3 days left"));
    EXPECT_EQ(deliverAt(localTime(2026, 12, 17, 10, 30)), 1);
    EXPECT_EQ(sent.at(1).body, QStringLiteral("3 days left"));
    EXPECT_EQ(sent.at(1).pageNumber, 1);

    // Weeks later: the exam's day is over (its reminders are dropped unseen), the trip's is
    // still ahead however late its reminders are (one, today's count).
    EXPECT_EQ(deliverAt(localTime(2027, 1, 29, 18, 0)), 1);
    ASSERT_EQ(sent.size(), 3);
    EXPECT_EQ(sent.at(2).eventId, trip.id);
    EXPECT_EQ(sent.at(2).body, QStringLiteral("1 day left"));
    EXPECT_EQ(center.pendingRequests().size(), 1); // the trip's own day
    EXPECT_NE(sent.at(2).eventId, exam.id);
}

TEST_F(ReminderDeliveryTest, RemindersOfAnEventThatIsGoneAreDropped)
{
    NotificationTrigger trigger;
    trigger.year = 2026;
    trigger.month = 12;
    trigger.day = 8;
    center.add(NotificationRequest{QStringLiteral("NO-SUCH-EVENT 2026-12-08 0"), QStringLiteral("Gone"),
                                   QStringLiteral("Today is the day!"), trigger, true});
    EXPECT_EQ(deliverAt(localTime(2026, 12, 8, 11)), 0);
    EXPECT_TRUE(sent.isEmpty());
    EXPECT_TRUE(center.pendingRequests().isEmpty());
}

TEST(ReminderIdentifiers, NameTheirEvent)
{
    EXPECT_EQ(ReminderDelivery::eventIdOf(QStringLiteral("6F1C2B0E-8D4A-4C3B-9E55-1A7D2F3B4C01 2026-12-21 3")),
              QStringLiteral("6F1C2B0E-8D4A-4C3B-9E55-1A7D2F3B4C01"));
}

// A birthday with "seven days before", year after year: each occurrence's reminders are
// scheduled once the one before is over, by whoever comes first (the home screen at midnight,
// the app at its start), and a year the home screen missed tells nothing stale.
TEST_F(ReminderDeliveryTest, AYearlyEventsRemindersAreRenewedOnceForEachOccurrence)
{
    center.setAuthorizationStatus(AuthorizationStatus::Authorized);
    clock.set(localTime(2026, 4, 20, 9));
    EventDraft draft{QStringLiteral("Mum"), QDate(2016, 5, 1)};
    draft.yearly = true;
    const QString id = events.add(draft).id;
    ASSERT_EQ(events.chooseReminder(id, NotiDays::seven).outcome, ReminderOutcome::Scheduled);
    const auto pendingDays = [&] {
        QList<QDate> days;
        for (const NotificationRequest &request : center.pendingRequests())
            days.append(NotificationHelper::eventDayOf(request.identifier).value_or(QDate()));
        return days;
    };
    EXPECT_EQ(pendingDays(), QList<QDate>(8, QDate(2026, 5, 1)));
    EXPECT_EQ(events.renewYearlyReminders(), 0);

    EXPECT_EQ(deliverAt(localTime(2026, 4, 24, 10, 0, 30)), 1);
    EXPECT_EQ(sent.last().body, QStringLiteral("7 days left"));
    EXPECT_EQ(deliverAt(localTime(2026, 5, 1, 10, 0, 30)), 1);
    EXPECT_EQ(sent.last().body, QStringLiteral("Today is the day!"));
    EXPECT_TRUE(center.pendingRequests().isEmpty());
    // Its day is not over yet: nothing new, however often asked.
    clock.set(localTime(2026, 5, 1, 23, 0));
    EXPECT_EQ(events.renewYearlyReminders(), 0);
    EXPECT_TRUE(center.pendingRequests().isEmpty());

    // The day after: the next occurrence's eight, once.
    clock.set(localTime(2026, 5, 2, 0, 0, 5));
    EXPECT_EQ(events.renewYearlyReminders(), 1);
    EXPECT_EQ(pendingDays(), QList<QDate>(8, QDate(2027, 5, 1)));
    EXPECT_EQ(events.renewYearlyReminders(), 0);
    EventRepository(SettingsStore(), center).open(); // the app starting afterwards
    EXPECT_EQ(center.pendingRequests().size(), 8);
    EXPECT_EQ(deliverAt(localTime(2027, 4, 24, 10, 0, 30)), 1);
    EXPECT_EQ(sent.last().body, QStringLiteral("7 days left"));

    // The home screen away from 25 April 2027 to 3 May 2028: what was left for 2027 is dropped
    // unseen, and the app's start schedules 2029's.
    EXPECT_EQ(deliverAt(localTime(2028, 5, 3, 9)), 0);
    EXPECT_TRUE(center.pendingRequests().isEmpty());
    EventRepository(SettingsStore(), center).open();
    EXPECT_EQ(pendingDays(), QList<QDate>(8, QDate(2029, 5, 1)));

    // While reminders are not allowed, nothing is scheduled; the choice waits.
    center.replaceContaining(id, {});
    center.setAuthorizationStatus(AuthorizationStatus::Denied);
    EXPECT_EQ(events.renewYearlyReminders(), 0);
    EXPECT_TRUE(center.pendingRequests().isEmpty());
}
