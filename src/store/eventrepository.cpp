#include "eventrepository.h"

#include "eventmerge.h"
#include "storelog.h"

#include <calendar/calendarfeed.h>
#include <model/calendarhelper.h>
#include <model/resources.h>
#include <model/widgetcontent.h>
#include <platform/atomicfile.h>
#include <platform/clock.h>
#include <platform/plistcodec.h>
#include <platform/regularfile.h>
#include <platform/sharedcontainer.h>
#include <platform/widgetreload.h>
#include <reminders/notificationhelper.h>


#include <algorithm>

// Every line of the store but its warnings is for whoever debugs it, off unless asked for.
Q_LOGGING_CATEGORY(lcStore, "tallowick.store", QtWarningMsg)

const QString EventRepository::kEventsKey = QStringLiteral("magicDates");
const QString EventRepository::kReviewKey = QStringLiteral("appReview");

namespace {

using EventRules::applyTheme;
using EventRules::newEventId;
using EventRules::storedDay;
using EventRules::themeWithId;

// The reminders an event's stored choice asks for; none for "off", for no choice, and for a
// count-up event (which has no reminders).
std::optional<NotiDays> chosenReminder(const EDate &event)
{
    if (!event.repeatNotification || !event.countsDown())
        return std::nullopt;
    const NotiDays option = notiDaysFromCode(*event.repeatNotification);
    return option == NotiDays::off ? std::nullopt : std::optional<NotiDays>(option);
}

std::optional<StoreOutcome> titleRefusal(const QString &storedTitle)
{
    switch (EventRules::checkTitle(storedTitle)) {
    case EventRules::TitleCheck::Fine:
        return std::nullopt;
    case EventRules::TitleCheck::Empty:
        return StoreOutcome::EmptyTitle;
    case EventRules::TitleCheck::TooLong:
        return StoreOutcome::TitleTooLong;
    }
    return std::nullopt;
}

// The day an event's reminders are for: its next occurrence when it repeats, else its date.
QDate reminderDay(const EDate &event)
{
    return CalendarHelper::toDayDate(CalendarHelper::countedDate(event)).toLocalTime().date();
}

std::optional<QString> repeatFor(bool yearly)
{
    return yearly ? std::optional(QString::fromLatin1(EDate::kRepeatYearly)) : std::nullopt;
}

// The records the widget shows, without the time they were written.
bool sameRecords(QList<WidgetContent> a, QList<WidgetContent> b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        b[i].date = a.at(i).date;
    return a == b;
}

} // namespace

// What a step did, for the transaction around it.
struct EventRepository::Step
{
    StoreOutcome outcome = StoreOutcome::Done;
    QString id = QString();
    bool changed = false; // the list must be saved (and the widget contents published)
};

EventRepository::EventRepository(SettingsStore settings, NotificationCenter center)
    : m_settings(std::move(settings))
    , m_center(std::move(center))
{
}

const EDate *EventRepository::find(const QList<EDate> &events, const QString &id)
{
    const qsizetype at = indexOf(events, id);
    return at < 0 ? nullptr : &events.at(at);
}

qsizetype EventRepository::indexOf(const QList<EDate> &events, const QString &id)
{
    const auto found = std::find_if(events.cbegin(), events.cend(), [&](const EDate &e) { return e.id == id; });
    return found == events.cend() ? -1 : found - events.cbegin();
}

qsizetype EventRepository::locate(const QList<EDate> &events, const QString &id)
{
    const qsizetype exact = indexOf(events, id);
    if (exact >= 0 || id.isEmpty())
        return exact;
    // Ids are UUIDs, which name the same event in either case: a script may have lowered one.
    const auto found = std::find_if(events.cbegin(), events.cend(),
                                    [&](const EDate &e) { return e.id.compare(id, Qt::CaseInsensitive) == 0; });
    return found == events.cend() ? -1 : found - events.cbegin();
}

EventList EventRepository::read() const
{
    const SettingsStore::Contents contents = m_settings.read();
    const QVariant stored = contents.values.value(kEventsKey);
    if (contents.unreadable || contents.inaccessible || (stored.isValid() && stored.typeId() != QMetaType::QByteArray))
        return {m_lastGood.value_or(defaultEvents()), EventList::Source::Unreadable, {}};
    if (!stored.isValid())
        return {defaultEvents(), EventList::Source::Defaults, {}};
    const QByteArray bytes = stored.toByteArray();
    auto decoded = decodeEventList(bytes);
    if (!decoded) {
        qCWarning(lcStore).noquote() << "Saved events in" << m_settings.path() << "cannot be read";
        return {m_lastGood.value_or(defaultEvents()), EventList::Source::Unreadable, {}};
    }
    EventList list{std::move(*decoded), EventList::Source::Saved, bytes};
    remember(list);
    return list;
}

void EventRepository::remember(const EventList &list) const
{
    if (list.source == EventList::Source::Saved)
        m_lastGood = list.events;
}

EventList EventRepository::open()
{
    EventList list;
    bool published = false;
    {
        const SettingsStore::Lock lock = m_settings.lock();
        list = read();
        if (!lock.held())
            return list; // shown, but nothing written without the lock
        // A first start saves the packaged events at once; an unreadable list is kept aside
        // and replaced, so that nobody meets it again.
        if (list.source != EventList::Source::Saved)
            saveLocked(list.events, list);
        published = publishContentsLocked(list.events);
        CalendarFeed::update(list.events, Clock::now());
        // An app that was not running when a yearly event's day passed renews its reminders.
        renewYearlyRemindersLocked(list.events);
    }
    if (published)
        WidgetReload::reloadAllTimelines();
    return list;
}

bool EventRepository::saveLocked(const QList<EDate> &events, EventList &list)
{
    const QByteArray bytes = encodeEventList(events);
    if (bytes.isEmpty()) {
        // The last saved list stays: better an older list than none at the next start.
        qCWarning(lcStore) << "Error: Can't encode events; the saved list is left as it was";
        return false;
    }
    if (list.source == EventList::Source::Saved && bytes == list.savedBytes)
        return true;
    std::optional<QVariantMap> values = m_settings.load();
    if (!values) {
        qCWarning(lcStore).noquote() << "Error: Can't read" << m_settings.path() << "to save the events into it";
        return false;
    }
    const QVariant unreadable = values->value(kEventsKey);
    if (list.source == EventList::Source::Unreadable && unreadable.isValid()) {
        // What someone saved there may still hold a person's dates: kept beside the file.
        const QString aside = m_settings.path() + QStringLiteral(".magicDates-unreadable-")
            + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
        const QByteArray kept = unreadable.typeId() == QMetaType::QByteArray ? unreadable.toByteArray()
                                                                            : PlistCodec::toBinary(unreadable);
        if (!AtomicFile::write(aside, kept)) {
            qCWarning(lcStore).noquote() << "Saved events could not be read, nor kept aside in" << aside;
            return false;
        }
        qCWarning(lcStore).noquote() << "Saved events could not be read; their bytes are kept in" << aside;
    }
    values->insert(kEventsKey, bytes);
    if (!m_settings.save(*values))
        return false;
    list = {events, EventList::Source::Saved, bytes};
    remember(list);
    return true;
}

template<typename Apply>
EventRepository::Result EventRepository::transact(Apply apply)
{
    return transact(apply, [](const QList<EDate> &) {});
}

template<typename Apply, typename AfterSave>
EventRepository::Result EventRepository::transact(Apply apply, AfterSave afterSave)
{
    Result result;
    bool published = false;
    {
        const SettingsStore::Lock lock = m_settings.lock();
        result.list = read();
        if (!lock.held()) {
            // Without the lock another process's change could overwrite this one (or this
            // one theirs): refused before anything is applied, reminders included.
            result.outcome = StoreOutcome::NotLocked;
            result.reason = lock.failure();
            qCInfo(lcStore).noquote() << "Nothing changed:" << result.reason;
            return result;
        }
        QList<EDate> events = result.list.events;
        const Step step = apply(events);
        result.outcome = step.outcome;
        result.id = step.id;
        if (step.outcome == StoreOutcome::Done && step.changed) {
            if (saveLocked(events, result.list)) {
                bool contentsFailed = false;
                bool feedFailed = false;
                published = publishContentsLocked(events, &contentsFailed);
                CalendarFeed::update(events, Clock::now(), &feedFailed);
                afterSave(events);
                if (contentsFailed || feedFailed) {
                    result.outcome = StoreOutcome::NotPublished;
                    QStringList files;
                    if (contentsFailed)
                        files.append(widgetContentsPath());
                    if (feedFailed)
                        files.append(CalendarFeed::path());
                    result.reason = QStringLiteral("the list was saved, but %1 could not be written")
                                        .arg(files.join(QStringLiteral(" and ")));
                }
            } else
                result.outcome = StoreOutcome::NotSaved;
        }
    }
    if (published)
        WidgetReload::reloadAllTimelines();
    return result;
}

EventRepository::Result EventRepository::add(const EventDraft &draft, bool uniqueTitle)
{
    const QString title = EventRules::storableTitle(draft.title);
    return transact([&](QList<EDate> &events) -> Step {
        if (const auto refused = titleRefusal(title))
            return {*refused};
        if (!EventRules::isStorableDay(draft.day))
            return {StoreOutcome::NotADate};
        const ColorProvider *theme = themeWithId(draft.themeId);
        if (!theme)
            return {StoreOutcome::UnknownTheme};
        // A known event is not reported as a full list.
        if (uniqueTitle && std::any_of(events.cbegin(), events.cend(), [&](const EDate &e) { return e.dateTitle == title; }))
            return {StoreOutcome::TitleTaken};
        if (draft.yearly && !draft.countdown)
            return {StoreOutcome::YearlyCountsUp};
        if (events.size() >= EventRules::kMaxEvents)
            return {StoreOutcome::ListFull};
        EDate event{storedDay(draft.day), draft.themeId, {}, {}, {}, {}, title, {}, {}, false, std::nullopt,
                    draft.countdown, newEventId(), repeatFor(draft.yearly), CountUnits::toStored(draft.unit)};
        applyTheme(event, *theme);
        qCDebug(lcStore).noquote() << "datetime ====" << event.ddate;
        events.prepend(event);
        return {StoreOutcome::Done, event.id, true};
    });
}

EventRepository::Result EventRepository::change(const QString &id, const EventChange &change)
{
    const std::optional<QString> title = change.title ? std::optional(EventRules::storableTitle(*change.title)) : std::nullopt;
    return transact([&](QList<EDate> &events) -> Step {
        const qsizetype at = locate(events, id);
        if (at < 0)
            return {StoreOutcome::Gone, id};
        const QString foundId = events.at(at).id;
        if (title) {
            if (const auto refused = titleRefusal(*title))
                return {*refused, foundId};
        }
        if (change.day && !EventRules::isStorableDay(*change.day))
            return {StoreOutcome::NotADate, foundId};
        const ColorProvider *theme = change.themeId ? themeWithId(*change.themeId) : nullptr;
        if (change.themeId && !theme)
            return {StoreOutcome::UnknownTheme, foundId};

        EDate &event = events[at];
        if (change.yearly.value_or(false) && !change.countdown.value_or(event.countsDown()))
            return {StoreOutcome::YearlyCountsUp, foundId};
        const EDate before = event;
        if (title)
            event.dateTitle = *title;
        const bool newDay = change.day && storedDay(*change.day) != event.ddate;
        if (newDay)
            event.ddate = storedDay(*change.day);
        if (change.countdown)
            event.countdown = *change.countdown;
        if (change.yearly)
            event.repeat = repeatFor(*change.yearly);
        else if (!event.countsDown() && before.repeatsYearly())
            event.repeat.reset();
        if (change.unit)
            event.countUnit = CountUnits::toStored(*change.unit);
        if (newDay || reminderDay(event) != reminderDay(before)) {
            // Reminders were made for the old day; none of them may fire now. Removed in this
            // step, so a reminder chosen meanwhile for the new day is not taken too.
            NotificationHelper(m_center).removeNotification(event);
            event.repeatNotification.reset();
        }
        if (theme)
            applyTheme(event, *theme);
        return {StoreOutcome::Done, foundId, event != before};
    });
}

EventRepository::Result EventRepository::remove(const QString &id)
{
    std::optional<EDate> removed;
    int removedAt = -1;
    Result result = transact([&](QList<EDate> &events) -> Step {
        const qsizetype at = locate(events, id);
        if (at < 0)
            return {StoreOutcome::Gone, id};
        const QString foundId = events.at(at).id;
        if (events.size() < 2)
            return {StoreOutcome::LastEvent, foundId};
        // In the same step, so that no reminder can be added for the event in between.
        NotificationHelper(m_center).removeNotification(events.at(at));
        removed = events.takeAt(at);
        removedAt = int(at);
        return {StoreOutcome::Done, foundId, true};
    });
    if (result.outcome == StoreOutcome::Done) {
        result.removed = removed;
        result.removedAt = removedAt;
    }
    return result;
}

EventRepository::Result EventRepository::move(const QString &id, int to)
{
    return transact([&](QList<EDate> &events) -> Step {
        const qsizetype at = locate(events, id);
        if (at < 0)
            return {StoreOutcome::Gone, id};
        const QString foundId = events.at(at).id;
        const qsizetype target = std::clamp<qsizetype>(to, 0, events.size() - 1);
        if (target == at)
            return {StoreOutcome::Done, foundId};
        // The widget numbers its pages by position: a reorder republishes its contents.
        events.move(at, target);
        return {StoreOutcome::Done, foundId, true};
    });
}

EventRepository::Result EventRepository::restore(const EDate &event, int at)
{
    return transact([&](QList<EDate> &events) -> Step {
        if (indexOf(events, event.id) >= 0)
            return {StoreOutcome::Done, event.id}; // back already
        if (events.size() >= EventRules::kMaxEvents)
            return {StoreOutcome::ListFull, event.id};
        events.insert(std::clamp<qsizetype>(at, 0, events.size()), event);
        // Its reminders went with it; they come back with it.
        NotificationHelper helper(m_center);
        if (const auto option = chosenReminder(event); option && helper.status() == AuthorizationStatus::Authorized)
            helper.addNotification(event, *option);
        return {StoreOutcome::Done, event.id, true};
    });
}

EventRepository::Result EventRepository::replaceSynced(const EventList &before, const QList<EDate> &synced)
{
    return transact([&](QList<EDate> &events) -> Step {
        if (events != before.events)
            return {StoreOutcome::Outdated};
        NotificationHelper helper(m_center);
        const bool allowed = helper.status() == AuthorizationStatus::Authorized;
        for (const EDate &old : events) {
            const EDate *now = find(synced, old.id);
            if (!now || reminderDay(*now) != reminderDay(old) || chosenReminder(*now) != chosenReminder(old))
                helper.removeNotification(old);
        }
        for (const EDate &now : synced) {
            const EDate *old = find(events, now.id);
            const bool unchanged = old && reminderDay(now) == reminderDay(*old) && chosenReminder(now) == chosenReminder(*old);
            if (const auto option = chosenReminder(now); option && allowed && !unchanged)
                helper.addNotification(now, *option);
        }
        const bool changed = events != synced;
        events = synced;
        return {StoreOutcome::Done, QString(), changed};
    });
}

EventRepository::ReminderResult EventRepository::chooseReminder(const QString &id, NotiDays option)
{
    ReminderOutcome outcome = ReminderOutcome::EventGone;
    QString storedId = id;
    const Result result = transact([&](QList<EDate> &events) -> Step {
        const qsizetype at = locate(events, id);
        if (at < 0)
            return {StoreOutcome::Gone, id};
        storedId = events.at(at).id;
        EDate &event = events[at];
        if (option != NotiDays::off && !event.countsDown()) {
            outcome = ReminderOutcome::IgnoredForCountUp;
            return {StoreOutcome::Done, storedId};
        }
        NotificationHelper helper(m_center);
        if (option == NotiDays::off) {
            // A choice is stored only with its reminders: one that could not be written leaves
            // the event as it was, so nothing takes it for done.
            if (!helper.removeNotification(event)) {
                outcome = ReminderOutcome::NotWritten;
                return {StoreOutcome::NotSaved, storedId};
            }
            outcome = ReminderOutcome::Cleared;
        } else if (helper.status() == AuthorizationStatus::Authorized) {
            if (!helper.addNotification(event, option)) {
                outcome = ReminderOutcome::NotWritten;
                return {StoreOutcome::NotSaved, storedId};
            }
            outcome = ReminderOutcome::Scheduled;
        } else if (helper.status() == AuthorizationStatus::Denied) {
            outcome = ReminderOutcome::PermissionDenied;
        } else {
            outcome = ReminderOutcome::PermissionNotDetermined;
        }
        // Kept even while nothing may be scheduled: allowing reminders later schedules it.
        const std::optional<qint64> code = notiDaysCode(option);
        const bool changed = event.repeatNotification != code;
        event.repeatNotification = code;
        return {StoreOutcome::Done, id, changed};
    });
    QString reason;
    if (result.outcome == StoreOutcome::NotLocked) {
        outcome = ReminderOutcome::NotWritten;
        reason = result.reason;
    } else if (result.outcome == StoreOutcome::NotSaved && outcome != ReminderOutcome::NotWritten) {
        // The reminders were written but the choice was not: they go back to the saved choice.
        qCWarning(lcStore) << "The reminder choice could not be saved";
        if (const EDate *saved = find(result.list.events, storedId)) {
            NotificationHelper helper(m_center);
            if (const auto previous = chosenReminder(*saved); previous && helper.status() == AuthorizationStatus::Authorized)
                helper.addNotification(*saved, *previous);
            else
                helper.removeNotification(*saved);
        }
        outcome = ReminderOutcome::NotWritten;
    }
    if (outcome == ReminderOutcome::NotWritten && reason.isEmpty())
        reason = QStringLiteral("the reminders (%1) or the choice could not be written").arg(m_center.path());
    return {outcome, result.list, reason};
}

EventRepository::TransferResult EventRepository::importCalendar(const QList<ICalendarImport::Entry> &entries, bool update)
{
    return mergeInOneStep([&](QList<EDate> &events, TransferSummary &summary, QStringList &updated) {
        return EventMerge::addCalendarEvents(events, entries, summary, update, &updated);
    });
}

EventRepository::TransferResult EventRepository::restoreBackup(const QList<EventBackup::Record> &records)
{
    return mergeInOneStep([&](QList<EDate> &events, TransferSummary &summary, QStringList &) {
        return EventMerge::restoreBackup(events, records, summary);
    });
}

EventRepository::TransferResult EventRepository::mergeInOneStep(const Merge &merge)
{
    TransferSummary summary;
    QStringList added;
    QStringList updated;
    const Result result = transact(
        [&](QList<EDate> &events) -> Step {
            // A step that is tried again starts its account afresh.
            summary = TransferSummary();
            updated.clear();
            added = merge(events, summary, updated);
            return {StoreOutcome::Done, QString(), !added.isEmpty() || !updated.isEmpty()};
        },
        [&](const QList<EDate> &events) {
            // An updated event's pending reminders were for its old day or choice.
            NotificationHelper helper(m_center);
            for (const QString &id : updated) {
                if (const EDate *event = find(events, id))
                    helper.removeNotification(*event);
            }
            scheduleChosenReminders(events, added + updated, summary);
        });
    if (result.outcome == StoreOutcome::NotSaved || result.outcome == StoreOutcome::NotLocked) {
        summary = TransferSummary();
        summary.problem = TransferSummary::Problem::NotSaved;
    } else if (result.outcome == StoreOutcome::NotPublished) {
        summary.notWritten = summary.notWritten.isEmpty() ? result.reason : result.reason + QStringLiteral("; ") + summary.notWritten;
    }
    return {summary, result.list};
}

void EventRepository::scheduleChosenReminders(const QList<EDate> &events, const QStringList &ids, TransferSummary &summary)
{
    NotificationHelper helper(m_center);
    const bool allowed = helper.status() == AuthorizationStatus::Authorized;
    int unwritten = 0;
    for (const QString &id : ids) {
        const EDate *event = find(events, id);
        const auto option = event ? chosenReminder(*event) : std::nullopt;
        if (!option)
            continue;
        // Not allowed: the choice is kept, and allowing reminders schedules it.
        if (!allowed) {
            ++summary.remindersWaiting;
            continue;
        }
        if (helper.addNotification(*event, *option))
            ++summary.remindersScheduled;
        else
            ++unwritten;
    }
    if (unwritten > 0)
        summary.notWritten = QStringLiteral("the reminders of %1 added events could not be written to %2").arg(unwritten).arg(m_center.path());
}

bool EventRepository::setNotificationsAllowed(bool allowed)
{
    const SettingsStore::Lock lock = m_settings.lock();
    if (!lock.held())
        return false;
    if (!m_center.setAuthorizationStatus(allowed ? AuthorizationStatus::Authorized : AuthorizationStatus::Denied))
        return false;
    if (!allowed)
        return true;
    // Under the settings lock: no event can change between reading its choice and scheduling.
    NotificationHelper helper(m_center);
    for (const EDate &event : read().events) {
        if (const auto option = chosenReminder(event))
            helper.addNotification(event, *option);
    }
    return true;
}

bool EventRepository::setReminderTime(QTime time)
{
    const SettingsStore::Lock lock = m_settings.lock();
    if (!lock.held() || !m_center.setReminderTime(time))
        return false;
    CalendarFeed::update(read().events, Clock::now());
    return true;
}

bool EventRepository::hasRemindersAhead() const
{
    if (m_center.authorizationStatus() != AuthorizationStatus::Authorized)
        return false;
    if (!m_center.pendingRequests().isEmpty())
        return true;
    const QList<EDate> events = read().events;
    return std::any_of(events.cbegin(), events.cend(),
                       [](const EDate &event) { return event.repeatsYearly() && chosenReminder(event); });
}

int EventRepository::renewYearlyReminders()
{
    const SettingsStore::Lock lock = m_settings.lock();
    if (!lock.held())
        return 0;
    return renewYearlyRemindersLocked(read().events);
}

int EventRepository::renewYearlyRemindersLocked(const QList<EDate> &events)
{
    QList<const EDate *> yearly;
    for (const EDate &event : events) {
        if (event.repeatsYearly() && chosenReminder(event))
            yearly.append(&event);
    }
    if (yearly.isEmpty() || m_center.authorizationStatus() != AuthorizationStatus::Authorized)
        return 0;
    const QDate today = Clock::now().toLocalTime().date();
    const QList<NotificationRequest> pending = m_center.pendingRequests();
    NotificationHelper helper(m_center);
    int renewed = 0;
    for (const EDate *event : yearly) {
        const auto next = CalendarHelper::nextOccurrence(*event);
        // On the day itself its reminders were made before (and may have been shown already):
        // the next ones come once the day is over.
        if (!next || next->day == today)
            continue;
        const bool armed = std::any_of(pending.cbegin(), pending.cend(), [&](const NotificationRequest &request) {
            return NotificationHelper::eventIdOf(request.identifier) == event->id
                && NotificationHelper::eventDayOf(request.identifier) == next->day;
        });
        if (armed)
            continue;
        qCInfo(lcStore).noquote() << "Reminders of" << event->dateTitle << "renewed for" << next->day.toString(Qt::ISODate);
        helper.addNotification(*event, *chosenReminder(*event));
        ++renewed;
    }
    return renewed;
}

void EventRepository::publish()
{
    bool published = false;
    {
        const SettingsStore::Lock lock = m_settings.lock();
        if (!lock.held())
            return;
        const QList<EDate> events = read().events;
        published = publishContentsLocked(events);
        CalendarFeed::update(events, Clock::now());
    }
    if (published)
        WidgetReload::reloadAllTimelines();
}

namespace {

// A write that failed: told to the caller through `failed` when it asks (it reports the
// failure in its own words, so the log only keeps it for diagnostics), else a warning.
void noteNotWritten(bool *failed, const QString &line)
{
    if (failed) {
        *failed = true;
        qCInfo(lcStore).noquote() << line;
    } else {
        qCWarning(lcStore).noquote() << line;
    }
}

} // namespace

bool EventRepository::publishContentsLocked(const QList<EDate> &events, bool *failed) const
{
    const QDateTime now = Clock::now();
    QList<WidgetContent> records;
    records.reserve(events.size());
    for (qsizetype page = 0; page < events.size(); ++page)
        records.append(WidgetContent::fromEvent(events.at(page), now, page));
    if (SharedContainer::ensure().isEmpty()) {
        noteNotWritten(failed, QStringLiteral("Error: Can't write contents"));
        return false;
    }
    // The file already says this (a start, a return to the window): rewriting it would only
    // cost two waits for the disk, and the widget has nothing new to show.
    const RegularFile::Result current = RegularFile::read(widgetContentsPath());
    if (current.read()) {
        const auto shown = decodeWidgetContents(current.bytes);
        if (shown && sameRecords(*shown, records))
            return false;
    }
    if (!AtomicFile::write(widgetContentsPath(), encodeWidgetContents(records))) {
        noteNotWritten(failed, QStringLiteral("Error: Can't write contents"));
        return false;
    }
    return true;
}
