#pragma once

#include <reminders/notidays.h>

class NotificationHelper;
class UserData;

// The rules of the actions a person takes on the event page, shared by the app's screens and
// the command line.

enum class DeleteOutcome { Deleted, RefusedLastEvent };

// Deletes the event at `index` with its pending reminders, then shows the page before it.
// The last remaining event is never deleted.
DeleteOutcome deleteEventWithReminders(UserData &store, int index);

enum class ReminderOutcome {
    Scheduled,                // authorized: the option's reminders are pending
    Cleared,                  // "off": the event's reminders are gone
    PermissionDenied,         // nothing scheduled; the person must allow notifications first
    PermissionNotDetermined,  // nothing scheduled; authorization has been asked for
    IgnoredForCountUp,        // a count-up event has no reminders but "off"; nothing changed
};

// Chooses the reminder option of the event at `index`: schedules or clears its reminders as
// the authorization allows, and (unless ignored) stores the option's code on the event.
ReminderOutcome applyReminderChoice(UserData &store, int index, NotiDays option, NotificationHelper &helper);
