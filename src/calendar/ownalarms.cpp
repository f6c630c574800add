#include "ownalarms.h"

#include <reminders/notidays.h>

#include <algorithm>

namespace {

constexpr int kDay = 24 * 3600;
// The most days before the event a reminder choice reaches.
constexpr int kMaxDaysBefore = 7;

QList<int> firstDays(int count)
{
    QList<int> days;
    for (int k = 0; k < count; ++k)
        days.append(k);
    return days;
}

// The alarm's trigger in seconds from the start of the event's day; nothing for a trigger
// at a fixed moment or relative to the end.
std::optional<int> offsetOf(icalcomponent *alarm)
{
    icalproperty *property = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    if (!property)
        return std::nullopt;
    icalparameter *related = icalproperty_get_first_parameter(property, ICAL_RELATED_PARAMETER);
    if (related && icalparameter_get_related(related) == ICAL_RELATED_END)
        return std::nullopt;
    const icaltriggertype trigger = icalproperty_get_trigger(property);
    if (!icaltime_is_null_time(trigger.time))
        return std::nullopt;
    return icaldurationtype_as_int(trigger.duration);
}

} // namespace

namespace OwnAlarms {

std::optional<int> daysBefore(icalcomponent *alarm, QTime time)
{
    const auto seconds = offsetOf(alarm);
    const int atTime = time.msecsSinceStartOfDay() / 1000;
    if (!seconds || *seconds > atTime || (atTime - *seconds) % kDay != 0)
        return std::nullopt;
    const int days = (atTime - *seconds) / kDay;
    return days <= kMaxDaysBefore ? std::optional(days) : std::nullopt;
}

namespace {

// The days of the event's alarms that fire at `time`, ascending.
QList<int> daysAt(icalcomponent *vevent, QTime time)
{
    QList<int> days;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        const auto before = daysBefore(alarm, time);
        if (before && !days.contains(*before))
            days.append(*before);
    }
    std::sort(days.begin(), days.end());
    return days;
}

} // namespace

QTime timeIn(icalcomponent *vevent)
{
    // Another program may have an alarm on the day too ("PT9H"): the time whose alarms make a
    // reminder choice wins, the one of more days first, then 10:00, then the first written.
    QList<QTime> candidates;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        const auto seconds = offsetOf(alarm);
        if (seconds && *seconds >= 0 && *seconds < kDay && *seconds % 60 == 0) {
            const QTime time = QTime(0, 0).addSecs(*seconds);
            if (!candidates.contains(time))
                candidates.append(time);
        }
    }
    const QTime legacy(10, 0);
    if (candidates.size() == 1)
        return candidates.constFirst();
    std::optional<QTime> best;
    qsizetype bestDays = 0;
    for (const QTime time : candidates) {
        const QList<int> days = daysAt(vevent, time);
        if (!codeFor(days))
            continue;
        if (!best || days.size() > bestDays || (days.size() == bestDays && time == legacy)) {
            best = time;
            bestDays = days.size();
        }
    }
    if (best)
        return *best;
    return candidates.isEmpty() ? legacy : candidates.constFirst();
}

QList<int> daysIn(icalcomponent *vevent)
{
    return daysAt(vevent, timeIn(vevent));
}

QList<int> daysFor(const EDate &event)
{
    if (!event.countsDown() || !event.repeatNotification)
        return {};
    return firstDays(reminderCount(notiDaysFromCode(*event.repeatNotification)));
}

std::optional<qint64> codeFor(const QList<int> &days)
{
    for (const NotiDays option : {NotiDays::off, NotiDays::one, NotiDays::three, NotiDays::seven}) {
        if (days == firstDays(reminderCount(option)))
            return notiDaysCode(option);
    }
    return std::nullopt;
}

void removeFrom(icalcomponent *vevent)
{
    const QTime time = timeIn(vevent);
    QList<icalcomponent *> own;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        if (daysBefore(alarm, time))
            own.append(alarm);
    }
    for (icalcomponent *alarm : own) {
        icalcomponent_remove_component(vevent, alarm);
        icalcomponent_free(alarm);
    }
}

} // namespace OwnAlarms
