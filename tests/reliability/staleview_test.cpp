// A process acts on the list as it last saw it while another has changed it since (before the
// app's watch has noticed; the command line reads it once at its start). Actions must reach
// the event the caller showed, or nothing.

#include "storefiles.h"
#include <support/testevents.h>

#include <platform/notificationcenter.h>
#include <store/userdata.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

class StaleView : public ::testing::Test
{
protected:
    TemporaryHome home;
    FixedClock clock{localTime(2026, 12, 8, 9, 30)};

    StaleView()
    {
        seedEvents(eventsTitled({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")}));
        NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
    }

    static QStringList pendingFor(const EDate &event)
    {
        QStringList found;
        for (const NotificationRequest &request : NotificationCenter().pendingRequests()) {
            if (request.identifier.startsWith(event.id))
                found.append(request.identifier);
        }
        return found;
    }
};

} // namespace

TEST_F(StaleView, DeleteTakesTheEventOnScreenAfterAnotherProcessAddedOneInFront)
{
    UserData app;           // shows X, Y, Z; the person is on Y's page
    app.setCurrentPage(1);
    UserData commandLine;
    commandLine.addEvent(localTime(2027, 1, 1), QStringLiteral("W"), true, 1003); // now W, X, Y, Z

    app.deleteEvent(1);
    EXPECT_EQ(titlesOf(savedListOnDisk().value()), (QStringList{QStringLiteral("W"), QStringLiteral("X"), QStringLiteral("Z")}));
    EXPECT_EQ(titlesOf(contentsOnDisk().value()), titlesOf(savedListOnDisk().value()));
}

TEST_F(StaleView, DeletingAnEventSomebodyElseDeletedTakesNoOtherOne)
{
    UserData app;
    UserData commandLine;
    const QString x = app.magicDates().at(0).id;
    EXPECT_EQ(commandLine.deleteEvent(x), StoreOutcome::Done); // X goes
    // X again: gone already, which is said as such (not as "the last one").
    EXPECT_EQ(app.deleteEvent(x), StoreOutcome::Gone);
    EXPECT_EQ(titlesOf(savedListOnDisk().value()), (QStringList{QStringLiteral("Y"), QStringLiteral("Z")}));
}

TEST_F(StaleView, AReminderIsChosenForTheEventOnScreenOrForNone)
{
    UserData app;
    const EDate x = app.magicDates().at(0);
    const EDate y = app.magicDates().at(1);
    UserData commandLine;

    // Another process moved Y to the front: the choice made on X's page is still X's.
    commandLine.moveEvent(1, 0);
    EXPECT_EQ(app.chooseReminder(x.id, NotiDays::three), ReminderOutcome::Scheduled);
    EXPECT_EQ(pendingFor(x).size(), 4);
    EXPECT_TRUE(pendingFor(y).isEmpty());
    EXPECT_FALSE(savedListOnDisk()->at(0).repeatNotification.has_value()); // Y, untouched

    // Another process deleted X (with its reminders): choosing for it again schedules nothing,
    // for X or for whatever took its place.
    EXPECT_EQ(commandLine.deleteEvent(x.id), StoreOutcome::Done);
    ASSERT_EQ(titlesOf(savedListOnDisk().value()), (QStringList{QStringLiteral("Y"), QStringLiteral("Z")}));
    EXPECT_TRUE(pendingFor(x).isEmpty());
    // Said as gone, not as a count-up event.
    EXPECT_EQ(UserData().chooseReminder(x.id, NotiDays::seven), ReminderOutcome::EventGone);
    EXPECT_EQ(NotificationCenter().pendingRequests().size(), 0);
    EXPECT_FALSE(savedListOnDisk()->at(0).repeatNotification.has_value());
}

TEST_F(StaleView, TheLimitIsCheckedOnTheListAsSavedNotAsLastSeen)
{
    QStringList titles;
    for (int i = 0; i < 29; ++i)
        titles.append(QStringLiteral("E%1").arg(i));
    seedEvents(eventsTitled(titles));
    UserData commandLine; // sees 29: room for one
    UserData app;
    app.addEvent(localTime(2027, 1, 1), QStringLiteral("Thirtieth"), true, 1003);

    EXPECT_EQ(commandLine.addEvent(EventDraft{QStringLiteral("One too many"), QDate(2027, 1, 1)}), StoreOutcome::ListFull);
    EXPECT_EQ(savedListOnDisk()->size(), 30);
    // A known title is told apart from a full list, and looked for first.
    EXPECT_EQ(commandLine.addEvent(EventDraft{QStringLiteral("Thirtieth"), QDate(2027, 1, 1)}, true), StoreOutcome::TitleTaken);
}
