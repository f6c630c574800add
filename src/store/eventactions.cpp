#include "eventactions.h"

#include "userdata.h"

#include <reminders/notificationhelper.h>

DeleteOutcome deleteEventWithReminders(UserData &store, int index)
{
    store.refresh();
    if (store.count() < 2)
        return DeleteOutcome::RefusedLastEvent;
    if (index < 0 || index >= store.count())
        return DeleteOutcome::Deleted;
    store.notificationHelper()->removeNotification(store.magicDates().at(index));
    store.deleteEvent(index);
    if (store.currentPage() > 0)
        store.setCurrentPage(store.currentPage() - 1);
    return DeleteOutcome::Deleted;
}

ReminderOutcome applyReminderChoice(UserData &store, int index, NotiDays option, NotificationHelper &helper)
{
    store.refresh();
    if (index < 0 || index >= store.count())
        return ReminderOutcome::IgnoredForCountUp;
    const EDate event = store.magicDates().at(index);
    if (option != NotiDays::off && !event.countdown.value_or(true))
        return ReminderOutcome::IgnoredForCountUp;

    ReminderOutcome outcome = ReminderOutcome::Cleared;
    if (option == NotiDays::off) {
        helper.removeNotification(event);
    } else if (helper.status() == AuthorizationStatus::Authorized) {
        helper.addNotification(event, option);
        outcome = ReminderOutcome::Scheduled;
    } else if (helper.status() == AuthorizationStatus::Denied) {
        outcome = ReminderOutcome::PermissionDenied;
    } else {
        helper.requestAuthorization();
        outcome = ReminderOutcome::PermissionNotDetermined;
    }
    store.setRepeatNotification(index, notiDaysCode(option));
    return outcome;
}
