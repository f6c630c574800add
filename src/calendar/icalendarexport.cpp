#include "icalendarexport.h"

#include "calendarlog.h"
#include "libicalsupport.h"

#include <model/calendarhelper.h>
#include <platform/appinfo.h>
#include <platform/notificationcenter.h>
#include <reminders/notidays.h>
#include <reminders/remindertext.h>

#include <QTimeZone>

namespace {

icaltimetype dateValue(const QDate &day)
{
    icaltimetype value = icaltime_null_date();
    value.year = day.year();
    value.month = day.month();
    value.day = day.day();
    return value;
}

icaltimetype utcValue(const QDateTime &instant)
{
    return icaltime_from_timet_with_zone(instant.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
}

// `time` on the day `daysBefore` days before the start of an all-day event, whose start is
// the midnight that begins its day: that long after it on the day (PT10H at 10:00), the rest
// of the day and whole days before it on the days before (-P2DT14H three days before at
// 10:00; -P3D at midnight).
icaltriggertype reminderTrigger(int daysBefore, QTime time)
{
    icaltriggertype trigger{icaltime_null_time(), icaldurationtype_null_duration()};
    const int minutes = time.hour() * 60 + time.minute();
    if (daysBefore == 0 || minutes == 0) {
        trigger.duration.is_neg = daysBefore > 0 ? 1 : 0;
        trigger.duration.days = unsigned(daysBefore);
        trigger.duration.hours = unsigned(minutes / 60);
        trigger.duration.minutes = unsigned(minutes % 60);
    } else {
        const int rest = 24 * 60 - minutes;
        trigger.duration.is_neg = 1;
        trigger.duration.days = unsigned(daysBefore - 1);
        trigger.duration.hours = unsigned(rest / 60);
        trigger.duration.minutes = unsigned(rest % 60);
    }
    return trigger;
}

void addAlarms(icalcomponent *vevent, const EDate &event, QTime time)
{
    if (!event.countdown.value_or(true) || !event.repeatNotification)
        return;
    const int count = reminderCount(notiDaysFromCode(*event.repeatNotification));
    for (int k = 0; k < count; ++k) {
        icalcomponent *alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_trigger(reminderTrigger(k, time)));
        // What the reminder says on that day, as Tallowick's own reminders do.
        icalcomponent_add_property(alarm, icalproperty_new_description(ReminderText::body(k).toUtf8().constData()));
        icalcomponent_add_component(vevent, alarm);
    }
}

icalcomponent *eventComponent(const EDate &event, const QDate &day, icaltimetype stamp, QTime time)
{
    icalcomponent *vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(event.id.toUtf8().constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(dateValue(day)));
    icalcomponent_add_property(vevent, icalproperty_new_dtend(dateValue(day.addDays(1))));
    icalcomponent_add_property(vevent, icalproperty_new_summary(event.dateTitle.toUtf8().constData()));
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (event.repeatsYearly()) {
        // Plain FREQ=YEARLY skips 29 February in the years without one; its last day of
        // February is there every year, and is the 29th whenever there is one.
        const bool leapDay = day.month() == 2 && day.day() == 29;
        icalcomponent_add_property(vevent, icalproperty_new_rrule(icalrecurrencetype_from_string(
                                               leapDay ? "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1" : "FREQ=YEARLY")));
    }
    addAlarms(vevent, event, time);
    return vevent;
}

} // namespace

namespace ICalendarExport {

QByteArray calendar(const QList<EDate> &events, const QDateTime &stamp)
{
    return calendar(events, stamp, NotificationCenter().reminderTime());
}

QByteArray calendar(const QList<EDate> &events, const QDateTime &stamp, QTime reminderTime)
{
    LibIcal::prepare();
    const LibIcal::Component vcalendar(icalcomponent_new_vcalendar());
    const QByteArray productId = QByteArrayLiteral("-//Tallowick//Tallowick ") + AppInfo::kVersion + "//EN";
    icalcomponent_add_property(vcalendar.get(), icalproperty_new_prodid(productId.constData()));
    icalcomponent_add_property(vcalendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(vcalendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // The name calendar programs give the calendar when they are not told another.
    icalproperty *name = icalproperty_new_x("Tallowick");
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(vcalendar.get(), name);

    const icaltimetype stampValue = utcValue(stamp);
    for (const EDate &event : events) {
        const auto day = CalendarHelper::dayOf(event.ddate);
        if (!day || day->year() < 1 || day->year() > 9999) {
            qCWarning(lcCalendar).noquote() << "Left out of the calendar:" << event.dateTitle << "has no date, only"
                                            << event.ddate;
            continue;
        }
        icalcomponent_add_component(vcalendar.get(), eventComponent(event, *day, stampValue, reminderTime));
    }
    return LibIcal::text(vcalendar.get());
}

QByteArray withoutStamps(const QByteArray &calendar)
{
    QByteArray kept;
    kept.reserve(calendar.size());
    qsizetype at = 0;
    while (at < calendar.size()) {
        qsizetype end = calendar.indexOf('\n', at);
        end = end < 0 ? calendar.size() : end + 1;
        const QByteArrayView line(calendar.constData() + at, end - at);
        if (!line.startsWith("DTSTAMP"))
            kept.append(line);
        at = end;
    }
    return kept;
}

} // namespace ICalendarExport
