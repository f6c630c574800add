#include "eventactions.h"

#include "userdata.h"

#include <reminders/notificationhelper.h>

DeleteOutcome deleteEventWithReminders(UserData &store, int index)
{
    if (index < 0 || index >= store.count()) {
        store.refresh();
        return store.count() < 2 ? DeleteOutcome::RefusedLastEvent : DeleteOutcome::Deleted;
    }
    // The event the caller shows, wherever another process has moved it since; its reminders
    // go in the same locked step, so none can be added for it in between.
    NotificationHelper *helper = store.notificationHelper();
    const auto result = store.deleteEventWithId(store.magicDates().at(index).id,
                                                [helper](const EDate &event) { helper->removeNotification(event); });
    if (result == UserData::DeleteResult::LastEvent)
        return DeleteOutcome::RefusedLastEvent;
    if (result == UserData::DeleteResult::Deleted && store.currentPage() > 0)
        store.setCurrentPage(store.currentPage() - 1);
    return DeleteOutcome::Deleted;
}

ReminderOutcome applyReminderChoice(UserData &store, int index, NotiDays option, NotificationHelper &helper)
{
    if (index < 0 || index >= store.count()) {
        store.refresh();
        return ReminderOutcome::IgnoredForCountUp;
    }
    ReminderOutcome outcome = ReminderOutcome::EventGone;
    // On the event the caller shows, as saved now, under the settings lock: a reminder is never
    // scheduled for an event another process is deleting at the same moment.
    store.changeEvent(
        store.magicDates().at(index).id,
        [&](EDate &event) {
            if (option != NotiDays::off && !event.countdown.value_or(true)) {
                outcome = ReminderOutcome::IgnoredForCountUp;
                return false;
            }
            if (option == NotiDays::off) {
                helper.removeNotification(event);
                outcome = ReminderOutcome::Cleared;
            } else if (helper.status() == AuthorizationStatus::Authorized) {
                helper.addNotification(event, option);
                outcome = ReminderOutcome::Scheduled;
            } else if (helper.status() == AuthorizationStatus::Denied) {
                outcome = ReminderOutcome::PermissionDenied;
            } else {
                helper.requestAuthorization();
                outcome = ReminderOutcome::PermissionNotDetermined;
            }
            event.repeatNotification = notiDaysCode(option);
            return true;
        },
        false);
    return outcome;
}
