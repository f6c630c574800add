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
