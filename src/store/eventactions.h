#pragma once

#include <reminders/notidays.h>

class NotificationHelper;
class UserData;

// The rules of the actions a person takes on the event page, shared by the app's screens and
// the command line.

enum class DeleteOutcome { Deleted, RefusedLastEvent };

// Deletes the event at `index` (the one the caller shows, found by its id should another
// process have changed the list since) with its pending reminders, then shows the page before
// it. The last remaining event is never deleted; one already deleted elsewhere stays deleted.
DeleteOutcome deleteEventWithReminders(UserData &store, int index);

enum class ReminderOutcome {
    Scheduled,                // authorized: the option's reminders are pending
    Cleared,                  // "off": the event's reminders are gone
    PermissionDenied,         // nothing scheduled; the person must allow notifications first
    PermissionNotDetermined,  // nothing scheduled; authorization has been asked for
    IgnoredForCountUp,        // a count-up event has no reminders but "off"; nothing changed
    EventGone,                // another process deleted the event meanwhile; nothing changed
};

// Chooses the reminder option of the event at `index` (the one the caller shows): schedules or
// clears its reminders as the authorization allows, and (unless ignored) stores the option's
// code on the event, in one step that no other process's change of the event can interleave.
ReminderOutcome applyReminderChoice(UserData &store, int index, NotiDays option, NotificationHelper &helper);
