#include "icalendarimport.h"

#include "calendarlog.h"
#include "libicalsupport.h"
#include "ownalarms.h"

#include <QDateTime>

#include <algorithm>

namespace {

using ICalendarImport::Entry;
using ICalendarImport::Reading;

// Deeper than any calendar nests (VCALENDAR, VTIMEZONE, STANDARD) and than libical should be
// trusted with: freeing and printing components recurse.
constexpr int kMaxDepth = 8;

// Whether the text is a whole, balanced iCalendar stream: every BEGIN has its END, in order,
// not too deep, and every top-level component is a VCALENDAR. libical would read a file cut
// short as far as it goes; an import of half a file is no import.
bool wellFormed(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    QList<QByteArray> open;
    bool any = false;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(at, end - at);
        at = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        // A folded continuation (leading space or tab) never starts a BEGIN or END.
        const QByteArray upper = line.toUpper();
        if (upper.startsWith("BEGIN:")) {
            const QByteArray name = upper.mid(6).trimmed();
            if (open.isEmpty() && name != "VCALENDAR")
                return false;
            if (open.size() >= kMaxDepth)
                return false;
            open.append(name);
            any = true;
        } else if (upper.startsWith("END:")) {
            if (open.isEmpty() || open.constLast() != upper.mid(4).trimmed())
                return false;
            open.removeLast();
        }
    }
    return any && open.isEmpty();
}

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

bool empty(const short *byRule)
{
    return byRule[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// Only the given values, or none.
bool onlyValue(const short *byRule, int size, int value)
{
    for (int i = 0; i < size && byRule[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (byRule[i] != value)
            return false;
    }
    return true;
}

bool onlyValues(const short *byRule, int size, std::initializer_list<int> values)
{
    for (int i = 0; i < size && byRule[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (std::find(values.begin(), values.end(), byRule[i]) == values.end())
            return false;
    }
    return true;
}

// FREQ=YEARLY on the start's own month and day, every year, without end, is what Tallowick
// repeats. Programs write it bare, or with its month and day spelled out (the last day of
// February for a 29 February event, as Tallowick itself writes).
Entry::Repeat repeatOf(icalcomponent *vevent, const std::optional<QDate> &day)
{
    icalproperty *property = icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY);
    if (!property)
        return Entry::Repeat::Once;
    if (icalcomponent_get_next_property(vevent, ICAL_RRULE_PROPERTY) || !day)
        return Entry::Repeat::Other;
    const icalrecurrencetype rule = icalproperty_get_rrule(property);
    const bool leapDay = day->month() == 2 && day->day() == 29;
    const bool yearly = rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval <= 1 && rule.count == 0
        && icaltime_is_null_time(rule.until) && empty(rule.by_day) && empty(rule.by_year_day)
        && empty(rule.by_week_no) && empty(rule.by_set_pos) && empty(rule.by_hour) && empty(rule.by_minute)
        && empty(rule.by_second) && onlyValue(rule.by_month, ICAL_BY_MONTH_SIZE, day->month())
        && (leapDay ? onlyValues(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE, {29, -1})
                    : onlyValue(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE, day->day()));
    return yearly ? Entry::Repeat::Yearly : Entry::Repeat::Other;
}

// Offsets of real zones stay within a day (the widest ever was some 15 hours from UTC); a
// larger one is a damaged zone, which would move an event's day by days or years.
constexpr int kMaxZoneOffsetSeconds = 18 * 3600;

bool offsetsInRange(const icaltimezone *zone)
{
    icalcomponent *definition = icaltimezone_get_component(const_cast<icaltimezone *>(zone));
    if (!definition)
        return true; // a zone libical knows itself
    for (icalcomponent *part = icalcomponent_get_first_component(definition, ICAL_ANY_COMPONENT); part;
         part = icalcomponent_get_next_component(definition, ICAL_ANY_COMPONENT)) {
        for (icalproperty *offset = icalcomponent_get_first_property(part, ICAL_ANY_PROPERTY); offset;
             offset = icalcomponent_get_next_property(part, ICAL_ANY_PROPERTY)) {
            int seconds = 0;
            if (icalproperty_isa(offset) == ICAL_TZOFFSETFROM_PROPERTY)
                seconds = icalproperty_get_tzoffsetfrom(offset);
            else if (icalproperty_isa(offset) == ICAL_TZOFFSETTO_PROPERTY)
                seconds = icalproperty_get_tzoffsetto(offset);
            if (seconds > kMaxZoneOffsetSeconds || seconds < -kMaxZoneOffsetSeconds)
                return false;
        }
    }
    return true;
}

// The local calendar day DTSTART names: a date as written; a time in UTC or in a zone (the
// file's VTIMEZONE, else the system's zone of that name) moved into the process's zone; a
// floating time (or one of a zone nobody knows) as written.
std::optional<QDate> startDay(icalcomponent *vevent)
{
    if (!icalcomponent_get_first_property(vevent, ICAL_DTSTART_PROPERTY))
        return std::nullopt;
    const icaltimetype start = icalcomponent_get_dtstart(vevent);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start) || start.year < 1 || start.year > 9999)
        return std::nullopt;
    // A damaged time (99:99:99) is no time: libical would carry it into the following days.
    if (!start.is_date && (start.hour > 23 || start.minute > 59 || start.second > 60))
        return std::nullopt;
    const icaltimezone *zone = icaltime_get_timezone(start);
    if (zone && !offsetsInRange(zone))
        return std::nullopt;
    if (start.is_date || (!zone && !icaltime_is_utc(start))) {
        const QDate day(start.year, start.month, start.day);
        return day.isValid() ? std::optional(day) : std::nullopt;
    }
    const time_t instant = icaltime_as_timet_with_zone(start, zone ? zone : icaltimezone_get_utc_timezone());
    const QDate day = QDateTime::fromSecsSinceEpoch(qint64(instant)).toLocalTime().date();
    return day.isValid() && day.year() >= 1 && day.year() <= 9999 ? std::optional(day) : std::nullopt;
}

// Tallowick's own reminder choices, as its export writes them.
std::optional<NotiDays> remindersOf(icalcomponent *vevent)
{
    const QTime time = OwnAlarms::timeIn(vevent);
    QList<int> days;
    for (icalcomponent *alarm = icalcomponent_get_first_component(vevent, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(vevent, ICAL_VALARM_COMPONENT)) {
        const auto before = OwnAlarms::daysBefore(alarm, time);
        if (!before)
            return std::nullopt;
        days.append(*before);
    }
    std::sort(days.begin(), days.end());
    for (const NotiDays option : {NotiDays::one, NotiDays::three, NotiDays::seven}) {
        QList<int> wanted;
        for (int k = 0; k < reminderCount(option); ++k)
            wanted.append(k);
        if (days == wanted)
            return option;
    }
    return std::nullopt;
}

Entry entryOf(icalcomponent *vevent)
{
    Entry entry;
    entry.uid = text(icalcomponent_get_uid(vevent));
    entry.title = text(icalcomponent_get_summary(vevent));
    entry.day = startDay(vevent);
    entry.repeat = repeatOf(vevent, entry.day);
    entry.cancelled = icalcomponent_get_status(vevent) == ICAL_STATUS_CANCELLED;
    entry.changesOneOccurrence = icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY) != nullptr;
    entry.reminders = remindersOf(vevent);
    return entry;
}

template<size_t N>
int countOf(const short (&values)[N])
{
    int count = 0;
    while (count < int(N) && values[count] != ICAL_RECURRENCE_ARRAY_MAX)
        ++count;
    return count;
}

// A change of a real zone happens once a year: one month, one day (a weekday, or a weekday
// within a week of days such as BYMONTHDAY=8,...,14), one time. A rule with lists of hours,
// minutes or seconds, or of months, would have libical list a change for every second of
// every year between the rule's start and the date asked for.
bool plausibleZoneRule(const icalrecurrencetype &rule)
{
    return rule.freq == ICAL_YEARLY_RECURRENCE && countOf(rule.by_second) <= 1 && countOf(rule.by_minute) <= 1
        && countOf(rule.by_hour) <= 1 && countOf(rule.by_month) <= 1 && countOf(rule.by_month_day) <= 7
        && countOf(rule.by_day) <= 1 && countOf(rule.by_set_pos) <= 1 && empty(rule.by_year_day) && empty(rule.by_week_no);
}

// Zones only ever change on such yearly rules. libical works out a zone's changes year by
// year from each rule's start to the date asked for, so the rules times the years they span
// bound its work (a real zone's whole history is some hundred rules, mostly ended).
constexpr qint64 kMaxZoneRuleYears = 200000;

bool plausibleZones(icalcomponent *vcalendar)
{
    qint64 ruleYears = 0;
    for (icalcomponent *zone = icalcomponent_get_first_component(vcalendar, ICAL_VTIMEZONE_COMPONENT); zone;
         zone = icalcomponent_get_next_component(vcalendar, ICAL_VTIMEZONE_COMPONENT)) {
        for (icalcomponent *part = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); part;
             part = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
            const icaltimetype start = icalcomponent_get_dtstart(part);
            if (!icaltime_is_null_time(start) && (start.year < 1 || start.year > 9999))
                return false;
            for (icalproperty *rule = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY); rule;
                 rule = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY)) {
                const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
                if (!plausibleZoneRule(recurrence))
                    return false;
                const int from = icaltime_is_null_time(start) ? 1 : start.year;
                const int to = icaltime_is_null_time(recurrence.until) ? 9999 : std::clamp(recurrence.until.year, from, 9999);
                ruleYears += to - from + 1;
                if (ruleYears > kMaxZoneRuleYears)
                    return false;
            }
        }
    }
    return true;
}

} // namespace

namespace ICalendarImport {

Reading read(const QByteArray &bytes)
{
    if (bytes.size() > kMaxBytes)
        return {Reading::Status::TooLarge, {}};
    if (!wellFormed(bytes))
        return {Reading::Status::NotACalendar, {}};
    LibIcal::prepare();
    const LibIcal::Component root(icalparser_parse_string(bytes.constData()));
    if (!root)
        return {Reading::Status::NotACalendar, {}};
    QList<icalcomponent *> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars.append(root.get());
    } else if (icalcomponent_isa(root.get()) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.append(c);
    }
    if (calendars.isEmpty())
        return {Reading::Status::NotACalendar, {}};
    for (icalcomponent *calendar : calendars) {
        if (!plausibleZones(calendar)) {
            qCInfo(lcCalendar) << "A calendar whose time zones change more often than once a year, or in too many rules: refused";
            return {Reading::Status::NotACalendar, {}};
        }
    }

    Reading reading{Reading::Status::Read, {}};
    for (icalcomponent *calendar : calendars) {
        for (icalcomponent *vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); vevent;
             vevent = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            reading.entries.append(entryOf(vevent));
    }
    return reading;
}

} // namespace ICalendarImport
