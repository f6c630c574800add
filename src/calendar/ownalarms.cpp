#include "ownalarms.h"

#include <reminders/notidays.h>

#include <algorithm>

namespace {

constexpr int kDay = 24 * 3600;
constexpr int kTenHours = 10 * 3600;
// The most days before the event a reminder choice reaches.
constexpr int kMaxDaysBefore = 7;

QList<int> firstDays(int count)
{
    QList<int> days;
    for (int k = 0; k < count; ++k)
        days.append(k);
    return days;
}

} // namespace

namespace OwnAlarms {

std::optional<int> daysBefore(icalcomponent *alarm)
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
    const int seconds = icaldurationtype_as_int(trigger.duration);
    if (seconds > kTenHours || (kTenHours - seconds) % kDay != 0)
        return std::nullopt;
    const int days = (kTenHours - seconds) / kDay;
    return days <= kMaxDaysBefore ? std::optional(days) : std::nullopt;
}

QList<int> daysIn(icalcomponent *vevent)
{
    QList<int> days;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        const auto before = daysBefore(alarm);
        if (before && !days.contains(*before))
            days.append(*before);
    }
    std::sort(days.begin(), days.end());
    return days;
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
    QList<icalcomponent *> own;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        if (daysBefore(alarm))
            own.append(alarm);
    }
    for (icalcomponent *alarm : own) {
        icalcomponent_remove_component(vevent, alarm);
        icalcomponent_free(alarm);
    }
}

} // namespace OwnAlarms
