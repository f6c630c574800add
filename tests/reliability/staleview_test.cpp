// A process acts on the list as it last saw it while another has changed it since (the app
// does not watch the settings file; the command line reads it once at its start). Actions by
// index must reach the event the caller showed, or nothing.

#include "storefiles.h"

#include <platform/notificationcenter.h>
#include <store/eventactions.h>
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
        saveList(eventsTitled({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")}));
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

    EXPECT_EQ(deleteEventWithReminders(app, 1), DeleteOutcome::Deleted);
    EXPECT_EQ(titlesOf(savedListOnDisk().value()), (QStringList{QStringLiteral("W"), QStringLiteral("X"), QStringLiteral("Z")}));
    EXPECT_EQ(titlesOf(contentsOnDisk().value()), titlesOf(savedListOnDisk().value()));
}

TEST_F(StaleView, DeletingAnEventSomebodyElseDeletedTakesNoOtherOne)
{
    UserData app;
    UserData commandLine;
    EXPECT_EQ(deleteEventWithReminders(commandLine, 0), DeleteOutcome::Deleted); // X goes
    EXPECT_EQ(deleteEventWithReminders(app, 0), DeleteOutcome::Deleted);         // X again: gone already
    EXPECT_EQ(titlesOf(savedListOnDisk().value()), (QStringList{QStringLiteral("Y"), QStringLiteral("Z")}));
}

TEST_F(StaleView, AReminderIsChosenForTheEventOnScreenOrForNone)
{
    UserData app;
    const EDate x = app.magicDates().at(0);
    const EDate y = app.magicDates().at(1);
    UserData commandLine;
    NotificationHelper helper;

    // Another process moved Y to the front: the choice made on X's page is still X's.
    commandLine.moveEvent(1, 0);
    EXPECT_EQ(applyReminderChoice(app, 0, NotiDays::three, helper), ReminderOutcome::Scheduled);
    EXPECT_EQ(pendingFor(x).size(), 4);
    EXPECT_TRUE(pendingFor(y).isEmpty());
    EXPECT_FALSE(savedListOnDisk()->at(0).repeatNotification.has_value()); // Y, untouched

    // Another process deleted X (with its reminders): choosing for it again schedules nothing,
    // for X or for whatever took its place.
    const qsizetype onScreen = titlesOf(app.magicDates()).indexOf(QStringLiteral("X"));
    ASSERT_GE(onScreen, 0);
    EXPECT_EQ(deleteEventWithReminders(commandLine, 1), DeleteOutcome::Deleted); // it sees Y, X, Z
    ASSERT_EQ(titlesOf(savedListOnDisk().value()), (QStringList{QStringLiteral("Y"), QStringLiteral("Z")}));
    EXPECT_TRUE(pendingFor(x).isEmpty());
    EXPECT_EQ(applyReminderChoice(app, int(onScreen), NotiDays::seven, helper), ReminderOutcome::EventGone);
    EXPECT_EQ(NotificationCenter().pendingRequests().size(), 0);
    EXPECT_FALSE(savedListOnDisk()->at(0).repeatNotification.has_value());
}

TEST_F(StaleView, TheLimitIsCheckedOnTheListAsSavedNotAsLastSeen)
{
    QStringList titles;
    for (int i = 0; i < 29; ++i)
        titles.append(QStringLiteral("E%1").arg(i));
    saveList(eventsTitled(titles));
    UserData commandLine; // sees 29: room for one
    UserData app;
    app.addEvent(localTime(2027, 1, 1), QStringLiteral("Thirtieth"), true, 1003);

    EXPECT_EQ(commandLine.addEventWithinLimit(localTime(2027, 1, 1), QStringLiteral("One too many"), true, 1003, false),
              UserData::AddOutcome::ListFull);
    EXPECT_EQ(savedListOnDisk()->size(), 30);
    // A known title is told apart from a full list, and looked for first.
    EXPECT_EQ(commandLine.addEventWithinLimit(localTime(2027, 1, 1), QStringLiteral("Thirtieth"), true, 1003, true),
              UserData::AddOutcome::TitleTaken);
}
