#include "eventmerge.h"

#include "eventrepository.h"
#include "eventrules.h"

#include <model/calendarhelper.h>
#include <model/resources.h>
#include <reminders/notidays.h>

#include <algorithm>
#include <cctype>

namespace {

bool hasTitleOn(const QList<EDate> &events, const QString &title, const QDate &day)
{
    return std::any_of(events.cbegin(), events.cend(),
                       [&](const EDate &e) { return e.dateTitle == title && CalendarHelper::dayOf(e.ddate) == day; });
}

qsizetype indexOfId(const QList<EDate> &events, const QString &id)
{
    if (id.isEmpty())
        return -1;
    const auto found = std::find_if(events.cbegin(), events.cend(), [&](const EDate &e) { return e.id.compare(id, Qt::CaseInsensitive) == 0; });
    return found == events.cend() ? -1 : found - events.cbegin();
}

// The reminder choice an event holds, as a calendar's alarms can carry it: none for "off",
// for no choice and for a count-up event.
std::optional<NotiDays> reminderOf(const EDate &event)
{
    if (!event.repeatNotification || !event.countsDown())
        return std::nullopt;
    const NotiDays option = notiDaysFromCode(*event.repeatNotification);
    return option == NotiDays::off ? std::nullopt : std::optional(option);
}

// The fields in which the calendar's version of an event differs from the list's, by the
// names the summary gives them. Only what a calendar carries is compared: it has no direction
// or theme, so those stay the list's; a count-up event (which the calendar shows as a plain
// day) neither repeats nor has reminders, so those are not compared for it.
QStringList differences(const EDate &event, const ICalendarImport::Entry &entry, const QString &title)
{
    QStringList fields;
    if (title != event.dateTitle)
        fields.append(QStringLiteral("title"));
    if (CalendarHelper::dayOf(event.ddate) != entry.day)
        fields.append(QStringLiteral("date"));
    if (event.countsDown()) {
        if ((entry.repeat == ICalendarImport::Entry::Repeat::Yearly) != event.repeatsYearly())
            fields.append(QStringLiteral("yearly"));
        // By code: "none" as -1.
        const auto listReminder = reminderOf(event);
        const qint64 file = entry.reminders && *entry.reminders != NotiDays::off ? notiDaysCode(*entry.reminders) : -1;
        if (file != (listReminder ? notiDaysCode(*listReminder) : -1))
            fields.append(QStringLiteral("reminder"));
    }
    return fields;
}

// Takes the calendar's version of the fields that differ, by the rules a change follows.
void takeFileVersion(EDate &event, const ICalendarImport::Entry &entry, const QString &title, const QStringList &fields)
{
    if (fields.contains(QLatin1String("title")))
        event.dateTitle = title;
    if (fields.contains(QLatin1String("date")))
        event.ddate = EventRules::storedDay(*entry.day);
    if (fields.contains(QLatin1String("yearly"))) {
        if (entry.repeat == ICalendarImport::Entry::Repeat::Yearly)
            event.repeat = QLatin1String(EDate::kRepeatYearly);
        else
            event.repeat.reset();
    }
    if (fields.contains(QLatin1String("reminder")) || fields.contains(QLatin1String("date")) || fields.contains(QLatin1String("yearly"))) {
        // The reminders were for the old day or choice: the calendar's choice, or none.
        if (entry.reminders && *entry.reminders != NotiDays::off && event.countsDown())
            event.repeatNotification = notiDaysCode(*entry.reminders);
        else
            event.repeatNotification.reset();
    }
}

} // namespace

namespace EventMerge {

QStringList addCalendarEvents(QList<EDate> &events, const QList<ICalendarImport::Entry> &entries,
                              TransferSummary &summary, bool update, QStringList *updated)
{
    using Entry = ICalendarImport::Entry;
    const ColorProvider *theme = EventRules::themeWithId(EventRules::kDefaultThemeId);
    QStringList added;
    qsizetype front = 0; // where the next one goes: the file's first event first
    for (const Entry &entry : entries) {
        const QString title = EventRules::fittedTitle(entry.title);
        // Known by its title as the file has it; an added one by the title it got.
        TransferItem item{EventRules::storableTitle(entry.title), entry.day ? EventRules::storedDay(*entry.day) : QString()};
        const auto skip = [&](TransferReason reason) {
            item.reason = reason;
            summary.skipped.append(item);
        };
        const auto refuse = [&](TransferReason reason) {
            item.reason = reason;
            summary.refused.append(item);
        };
        const QString uuid = EventRules::eventIdFrom(entry.uid);
        if (entry.cancelled)
            skip(TransferReason::Cancelled);
        else if (entry.changesOneOccurrence)
            skip(TransferReason::OneOccurrence);
        else if (const qsizetype known = std::max(indexOfId(events, entry.uid), indexOfId(events, uuid)); known >= 0) {
            // The calendar's version, when it is one the list could take, may differ: say how,
            // and take it when asked to.
            const bool takeable = !title.isEmpty() && entry.day && EventRules::isStorableDay(*entry.day)
                && entry.repeat != Entry::Repeat::Other;
            item.differences = takeable ? differences(events.at(known), entry, title) : QStringList();
            if (item.differences.isEmpty()) {
                skip(TransferReason::SameEvent);
            } else if (!update) {
                skip(TransferReason::ChangedInFile);
            } else {
                takeFileVersion(events[known], entry, title, item.differences);
                if (updated)
                    updated->append(events.at(known).id);
                item.title = title;
                summary.updated.append(item);
            }
        } else if (title.isEmpty())
            refuse(TransferReason::NoTitle);
        else if (!entry.day || !EventRules::isStorableDay(*entry.day))
            refuse(TransferReason::NoDate);
        else if (entry.repeat == Entry::Repeat::Other)
            refuse(TransferReason::OtherRepeat);
        else if (hasTitleOn(events, title, *entry.day))
            skip(TransferReason::SameTitleAndDate);
        else if (events.size() >= EventRules::kMaxEvents)
            refuse(TransferReason::ListFull);
        else {
            EDate event{EventRules::storedDay(*entry.day), EventRules::kDefaultThemeId, {}, {}, {}, {}, title, {}, {},
                        false, std::nullopt, true, uuid.isEmpty() ? EventRules::newEventId() : uuid};
            if (theme)
                EventRules::applyTheme(event, *theme);
            if (entry.repeat == Entry::Repeat::Yearly)
                event.repeat = QLatin1String(EDate::kRepeatYearly);
            if (entry.reminders)
                event.repeatNotification = notiDaysCode(*entry.reminders);
            events.insert(front++, event);
            added.append(event.id);
            item.title = title;
            summary.added.append(item);
        }
    }
    return added;
}

namespace {

// A colour as events store it: hexadecimal digits (three, six or eight), an empty text (none
// given) too; a leading mark is read as well.
bool isColourText(const QString &text)
{
    const QStringView digits = text.startsWith(QLatin1Char('#')) ? QStringView(text).mid(1) : QStringView(text);
    if (text.isEmpty())
        return true;
    if (digits.size() != 3 && digits.size() != 6 && digits.size() != 8)
        return false;
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return isxdigit(c.unicode()) && c.unicode() < 128; });
}

// Why a backup's event breaks a rule that adding one applies; nothing when it breaks none.
std::optional<TransferReason> brokenRule(const EDate &event)
{
    if (event.colorIndex && !EventRules::isKnownTheme(*event.colorIndex))
        return TransferReason::UnknownTheme;
    for (const QString *colour : {&event.bgColor, &event.fontColor, &event.lineColor, &event.circleColor, &event.barColor}) {
        if (!isColourText(*colour))
            return TransferReason::NotAColour;
    }
    if (event.repeatNotification && (*event.repeatNotification < 0 || *event.repeatNotification > 3))
        return TransferReason::UnknownReminder;
    if (event.repeat && *event.repeat != QLatin1String("yearly"))
        return TransferReason::OtherRepeat;
    if (event.repeat && !event.countsDown())
        return TransferReason::CountUpRepeats;
    return std::nullopt;
}

} // namespace

QStringList restoreBackup(QList<EDate> &events, const QList<EventBackup::Record> &records, TransferSummary &summary)
{
    const bool replacing = events == defaultEvents();
    QList<EDate> restored = replacing ? QList<EDate>() : events;
    QStringList added;
    qsizetype next = 0; // after the backup's event before this one
    for (const EventBackup::Record &record : records) {
        TransferItem item{EventRules::storableTitle(record.title), record.date};
        const auto refuse = [&](TransferReason reason) {
            item.reason = reason;
            summary.refused.append(item);
        };
        if (!record.event) {
            refuse(TransferReason::NotAnEvent);
            continue;
        }
        EDate event = *record.event;
        event.id = EventRules::eventIdFrom(event.id);
        event.dateTitle = EventRules::fittedTitle(event.dateTitle);
        const auto day = CalendarHelper::dayOf(event.ddate);
        if (event.id.isEmpty()) {
            refuse(TransferReason::NotAnEvent);
            continue;
        }
        if (const qsizetype at = EventRepository::indexOf(restored, event.id); at >= 0) {
            item.reason = TransferReason::SameEvent;
            summary.skipped.append(item);
            next = at + 1;
            continue;
        }
        if (event.dateTitle.isEmpty()) {
            refuse(TransferReason::NoTitle);
        } else if (!day || !EventRules::isStorableDay(*day)) {
            refuse(TransferReason::NoDate);
        } else if (const auto broken = brokenRule(event)) {
            // The rules every other way in applies: a backup is a file like any other.
            refuse(*broken);
        } else if (restored.size() >= EventRules::kMaxEvents) {
            refuse(TransferReason::ListFull);
        } else {
            event.ddate = EventRules::storedDay(*day);
            restored.insert(next++, event);
            if (replacing && EventRepository::indexOf(events, event.id) >= 0) {
                // A sample event the backup holds too: it stays, as the backup has it.
                item.reason = TransferReason::SameEvent;
                summary.skipped.append(item);
                continue;
            }
            added.append(event.id);
            summary.added.append(TransferItem{event.dateTitle, event.ddate});
        }
    }
    // Nothing came back: the list stays as it was, the packaged events included.
    if (!added.isEmpty())
        events = restored;
    return added;
}

} // namespace EventMerge
