#pragma once

#include "eventbackup.h"
#include "eventrules.h"
#include "storeoutcome.h"
#include "transfersummary.h"

#include <calendar/icalendarimport.h>
#include <model/edate.h>
#include <platform/notificationcenter.h>
#include <platform/settingsstore.h>
#include <reminders/notidays.h>

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// A new event as a person (or a link) describes it.
struct EventDraft
{
    QString title;
    QDate day;
    bool countdown = true;
    qint64 themeId = EventRules::kDefaultThemeId;
    bool yearly = false; // comes back every year; only a count-down event may
    CountUnit unit = CountUnit::Days;
};

// The fields one change sets; the others stay as they are saved, whoever saved them.
struct EventChange
{
    std::optional<QString> title = std::nullopt;
    std::optional<QDate> day = std::nullopt;
    std::optional<bool> countdown = std::nullopt;
    std::optional<qint64> themeId = std::nullopt;
    // Every year, or once. An event turned to count up without naming this stops repeating.
    std::optional<bool> yearly = std::nullopt;
    std::optional<CountUnit> unit = std::nullopt;

    bool isEmpty() const { return !title && !day && !countdown && !themeId && !yearly && !unit; }
};

// The event list as it was read or left by one step.
struct EventList
{
    enum class Source {
        Saved,       // the list under "magicDates"
        Defaults,    // nothing saved yet: the packaged first-start events
        Unreadable,  // something is saved that is no event list; the packaged events stand in
    };

    QList<EDate> events;
    Source source = Source::Defaults;
    QByteArray savedBytes; // what is saved under "magicDates" (Saved only)
};

// How a reminder choice went.
enum class ReminderOutcome {
    Scheduled,                // authorized: the option's reminders are pending
    Cleared,                  // "off": the event's reminders are gone
    PermissionDenied,         // nothing scheduled; the choice is kept for when they are allowed
    PermissionNotDetermined,  // nothing scheduled; the choice is kept, the person must be asked
    IgnoredForCountUp,        // a count-up event has no reminders but "off"; nothing changed
    EventGone,                // no such event (any more); nothing changed
    NotWritten,               // the reminders or the choice could not be written; nothing changed
};

// The event list of the user, by event id, as every Tallowick program shares it: the app, the
// command line, the home screen and the link dispatch.
//
// The list lives in the settings file under "magicDates". Every change is one transaction
// under the settings file's lock: it reads what is saved now, applies the rules of
// EventRules, saves once and, when the widget shows what changed, republishes
// "contents.json" and asks the home screen to reload; the calendar feed (CalendarFeed) is
// rewritten when its calendar changed. So no process's change is lost to
// another's, and no rule can be skipped. Reading never writes: a damaged file is reported,
// and only a change keeps it aside before replacing it.
//
// It holds no screen state, and making one reads and writes nothing.
class EventRepository
{
public:
    static const QString kEventsKey; // "magicDates"
    static const QString kReviewKey; // "appReview"

    explicit EventRepository(SettingsStore settings = SettingsStore(), NotificationCenter center = NotificationCenter());

    const SettingsStore &settings() const { return m_settings; }
    NotificationCenter &center() { return m_center; }

    // The list as saved now (the packaged events while none is). Writes nothing.
    EventList read() const;
    // The list for a program that shows and keeps it (the app at its start): as read(), but a
    // first start saves the packaged events, an unreadable list is kept aside and replaced,
    // the widget contents and the calendar feed are published when they differ from their
    // files, and the reminders of yearly events are renewed (renewYearlyReminders).
    EventList open();

    struct Result
    {
        StoreOutcome outcome = StoreOutcome::Done;
        QString reason;  // what failed, when the outcome is NotLocked or NotPublished
        QString id;      // the event added, changed, deleted or moved
        EventList list;  // the list as it stands after the step
        // A deleted event as it was saved when it went, and where it stood.
        std::optional<EDate> removed = std::nullopt;
        int removedAt = -1;
    };

    // A new event at the front of the list. `uniqueTitle`: refused when the title is taken.
    // A yearly draft must count down.
    Result add(const EventDraft &draft, bool uniqueTitle = false);
    // change, remove, move and chooseReminder find the event by `id` in either letter case
    // (locate), in their own step; Result::id is the id as stored.
    // Sets the fields `change` names on the event. A new day, or a change of repeating that
    // moves the day its reminders are for, forgets the event's reminder choice and removes
    // its pending reminders, which belong to the old day.
    Result change(const QString &id, const EventChange &change);
    // Deletes the event with its pending reminders, unless it is the last one.
    Result remove(const QString &id);
    // Moves the event to position `to` (clamped to the list).
    Result move(const QString &id, int to);
    // Puts a deleted event back at position `at` (clamped to the list), as it was, and
    // schedules its chosen reminders again when reminders are allowed. Refused when the list
    // is full; nothing to do while an event with its id is in the list.
    Result restore(const EDate &event, int at);

    // Puts the list a sync merged in place of `before`, the list it was merged from, in one
    // step: Outdated, and nothing changed, when the saved list is no longer `before` (a change
    // made meanwhile is merged by the next sync). The reminders of events gone are removed;
    // those of events added, or moved to another day or reminder choice, scheduled anew as
    // the permission allows.
    Result replaceSynced(const EventList &before, const QList<EDate> &events);

    struct ReminderResult
    {
        ReminderOutcome outcome = ReminderOutcome::EventGone;
        EventList list;
        QString reason; // what could not be done, for NotWritten
    };
    // Chooses the event's reminder option: schedules or clears its reminders as the
    // permission allows and stores the option on the event. A count-up event takes "off" only.
    ReminderResult chooseReminder(const QString &id, NotiDays option);

    struct TransferResult
    {
        TransferSummary summary;
        EventList list;
    };
    // Adds the events another calendar holds, in one step (EventMerge::addCalendarEvents);
    // with `update` the list's events that the calendar has in another version take it, in
    // the same step. The reminders the alarms choose are scheduled as the permission allows.
    TransferResult importCalendar(const QList<ICalendarImport::Entry> &entries, bool update = false);
    // Brings back a backup's events in one step (EventMerge::restoreBackup), and schedules
    // their reminders as the permission allows.
    TransferResult restoreBackup(const QList<EventBackup::Record> &records);

    // Records whether Tallowick may send reminders. Allowing schedules the stored reminder
    // choice of every event, so that no option stays on with nothing behind it.
    // False when the lock could not be taken or the permission not written (nothing changed).
    bool setNotificationsAllowed(bool allowed);
    // Chooses the time of day all reminders arrive at: the pending ones move to it on their
    // days in one step under the lock every reminder change takes, and the calendar feed's
    // alarms follow. False when the lock or the file could not be had (nothing changed).
    bool setReminderTime(QTime time);

    // Schedules the reminders of the next occurrence of each yearly event that has a reminder
    // choice, once its last occurrence is over, so that they never run out. Idempotent: an
    // occurrence whose reminders are pending (or whose day is today) is left alone, so the
    // home screen at midnight and the app at its start may both call it. Nothing happens
    // while reminders are not allowed; without such events it reads no reminder at all.
    // Returns how many events got new reminders.
    int renewYearlyReminders();
    // Whether reminders are allowed and some are still to come: pending ones, or the next
    // occurrence's of a yearly event with a reminder choice. What keeps their delivery running.
    bool hasRemindersAhead() const;

    // Rewrites "contents.json" from the saved list when it says something else (a yearly
    // event's next occurrence moved on, say), and asks the widget to reload; the calendar
    // feed likewise.
    void publish();

    // The event with this id in `events`; nullptr when there is none.
    static const EDate *find(const QList<EDate> &events, const QString &id);
    static qsizetype indexOf(const QList<EDate> &events, const QString &id);
    // As indexOf, but an id in other letter case names the same event (ids are UUIDs): how a
    // change, deletion, move or reminder choice finds the event it is asked for.
    static qsizetype locate(const QList<EDate> &events, const QString &id);

private:
    // What a transaction step may do with the list it is given.
    struct Step;
    // One step under the lock; `afterSave` runs, still under it, once the list is saved.
    template<typename Apply, typename AfterSave>
    Result transact(Apply apply, AfterSave afterSave);
    template<typename Apply>
    Result transact(Apply apply);
    // Merges outside events into the list in one step (the ids of those added come back) and
    // schedules the reminders the added ones chose.
    // The ids of events it updated go to `updated`; their reminders are made anew.
    using Merge = std::function<QStringList(QList<EDate> &events, TransferSummary &summary, QStringList &updated)>;
    TransferResult mergeInOneStep(const Merge &merge);
    // Schedules the stored reminder choices of these events as the permission allows, and
    // counts them in `summary`.
    void scheduleChosenReminders(const QList<EDate> &events, const QStringList &ids, TransferSummary &summary);
    // Saves `events` over what `list` read (keeping an unreadable list aside first) and makes
    // `list` say what is saved now. False, and nothing saved, when that fails.
    bool saveLocked(const QList<EDate> &events, EventList &list);
    // Writes "contents.json" for `events` unless it already shows them; true when written.
    // True when the file was rewritten; a failed write also sets `*failed` when given.
    bool publishContentsLocked(const QList<EDate> &events, bool *failed = nullptr) const;
    int renewYearlyRemindersLocked(const QList<EDate> &events);
    void remember(const EventList &list) const;

    SettingsStore m_settings;
    NotificationCenter m_center;
    // The last list this repository read whole: what replaces a list another process saved
    // unreadably (which is kept aside first), so that a good list is not lost to the defaults.
    mutable std::optional<QList<EDate>> m_lastGood;
};
