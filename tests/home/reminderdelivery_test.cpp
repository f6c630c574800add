#include <home/reminderdelivery.h>

#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

NotificationRequest reminder(const QString &identifier, const QDateTime &fire, const QString &title = QStringLiteral("Trip"))
{
    NotificationTrigger trigger;
    trigger.year = fire.date().year();
    trigger.month = fire.date().month();
    trigger.day = fire.date().day();
    trigger.hour = fire.time().hour();
    trigger.minute = fire.time().minute();
    return NotificationRequest{identifier, title, QStringLiteral("3 days left"), trigger, true};
}

class ReminderDeliveryTest : public ::testing::Test
{
protected:
    TemporaryHome home;
    NotificationCenter center;
    QStringList sent;
    ReminderDelivery delivery{center, [this](const NotificationRequest &request) { sent.append(request.identifier); }};
};

} // namespace

TEST_F(ReminderDeliveryTest, DeliversADueReminderOnce)
{
    const QDateTime tenOClock = localTime(2026, 12, 21, 10);
    center.add(reminder(QStringLiteral("a 2026-12-21 3"), tenOClock));
    center.add(reminder(QStringLiteral("a 2026-12-22 2"), tenOClock.addDays(1)));

    EXPECT_EQ(delivery.deliverDue(tenOClock.addSecs(-1)), 0);
    EXPECT_TRUE(sent.isEmpty());

    EXPECT_EQ(delivery.deliverDue(tenOClock.addSecs(30)), 1);
    EXPECT_EQ(delivery.deliverDue(tenOClock.addSecs(90)), 0);
    EXPECT_EQ(sent, QStringList{QStringLiteral("a 2026-12-21 3")});
    // What is not due yet stays pending.
    ASSERT_EQ(center.pendingRequests().size(), 1);
    EXPECT_EQ(center.pendingRequests().first().identifier, QStringLiteral("a 2026-12-22 2"));
}

TEST_F(ReminderDeliveryTest, DeliversLessThanADayLateAndDropsTheRest)
{
    const QDateTime now = localTime(2026, 12, 21, 12);
    center.add(reminder(QStringLiteral("25 hours"), now.addSecs(-25 * 3600)));
    center.add(reminder(QStringLiteral("24 hours"), now.addSecs(-24 * 3600)));
    center.add(reminder(QStringLiteral("23 hours"), now.addSecs(-23 * 3600)));
    center.add(reminder(QStringLiteral("1 hour"), now.addSecs(-3600)));

    EXPECT_EQ(delivery.deliverDue(now), 2);
    // Oldest first.
    EXPECT_EQ(sent, (QStringList{QStringLiteral("23 hours"), QStringLiteral("1 hour")}));
    // Delivered and dropped alike are off the pending list.
    EXPECT_TRUE(center.pendingRequests().isEmpty());
    EXPECT_TRUE(center.due(now).isEmpty());
}
