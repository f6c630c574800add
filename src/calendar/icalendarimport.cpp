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

// Where a calendar lies in the text, and each of its events: byte ranges of whole lines.
struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0;
};

struct CalendarSpans
{
    Span calendar;
    QList<Span> events; // the VEVENTs directly within it, in order
};

bool isKeyword(QByteArrayView line, QByteArrayView keyword)
{
    return line.size() >= keyword.size() && qstrnicmp(line.data(), keyword.data(), keyword.size()) == 0;
}

// The calendars of a whole, balanced iCalendar stream: every BEGIN has its END, in order, not
// too deep, and every top-level component is a VCALENDAR. Nothing for any other text: libical
// would read a file cut short as far as it goes, and an import of half a file is no import.
std::optional<QList<CalendarSpans>> calendarsIn(QByteArrayView bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    QList<CalendarSpans> calendars;
    QList<QByteArray> open;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype lineStart = at;
        qsizetype end = bytes.indexOf('\n', at);
        end = end < 0 ? bytes.size() : end;
        QByteArrayView line = bytes.sliced(at, end - at);
        at = std::min(end + 1, bytes.size());
        if (line.endsWith('\r'))
            line.chop(1);
        // A folded continuation (leading space or tab) never starts a BEGIN or END.
        if (isKeyword(line, "BEGIN:")) {
            const QByteArray name = line.sliced(6).trimmed().toByteArray().toUpper();
            if (open.isEmpty() && name != "VCALENDAR")
                return std::nullopt;
            if (open.size() >= kMaxDepth)
                return std::nullopt;
            if (open.isEmpty())
                calendars.append(CalendarSpans{{lineStart, 0}, {}});
            else if (open.size() == 1 && name == "VEVENT")
                calendars.last().events.append(Span{lineStart, 0});
            open.append(name);
        } else if (isKeyword(line, "END:")) {
            if (open.isEmpty() || open.constLast() != line.sliced(4).trimmed().toByteArray().toUpper())
                return std::nullopt;
            const QByteArray name = open.takeLast();
            if (open.isEmpty())
                calendars.last().calendar.end = at;
            else if (open.size() == 1 && name == "VEVENT")
                calendars.last().events.last().end = at;
        }
    }
    if (calendars.isEmpty() || !open.isEmpty())
        return std::nullopt;
    return calendars;
}

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

bool empty(const short *byRule)
{
    return byRule[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// The value is among the listed ones (counted from the end too, -1 the last), or none are listed.
bool admits(const short *byRule, int size, int value, int fromEnd)
{
    if (empty(byRule))
        return true;
    for (int i = 0; i < size && byRule[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        if (byRule[i] == value || byRule[i] == fromEnd)
            return true;
    }
    return false;
}

// libical drops a rule or a list of dates it cannot read (COUNT=-1, a misspelt part, an
// unknown frequency) and leaves an error in its place: the event repeats, only not in any
// way this can follow.
bool lostRepeat(icalcomponent *vevent)
{
    for (icalproperty *error = icalcomponent_get_first_property(vevent, ICAL_XLICERROR_PROPERTY); error;
         error = icalcomponent_get_next_property(vevent, ICAL_XLICERROR_PROPERTY)) {
        const QByteArrayView message(icalproperty_get_xlicerror(error));
        for (const char *kind : {" RRULE property", " EXRULE property", " RDATE property"}) {
            if (message.contains(kind))
                return true;
        }
    }
    return false;
}

// A rule without end, every year, in the Gregorian calendar, whose parts admit the start's
// own day: the only rules that can repeat on it every year. The others are known at once;
// and libical, given a rule that never (or rarely) falls on a day it names, searches
// centuries for a first occurrence, a tenth of a second per event.
bool mayBeYearlyOnItsDay(const icalrecurrencetype &rule, const icaltimetype &start)
{
    if (rule.freq != ICAL_YEARLY_RECURRENCE || rule.interval > 1 || rule.count != 0 || !icaltime_is_null_time(rule.until))
        return false;
    // RFC 7529: a rule of another calendar (Chinese, Hebrew) falls on another Gregorian day each year.
    if (rule.rscale && qstricmp(rule.rscale, "GREGORIAN") != 0)
        return false;
    // Weekdays, weeks and days of the year move through the months from year to year.
    if (!empty(rule.by_day) || !empty(rule.by_year_day) || !empty(rule.by_week_no) || !empty(rule.by_set_pos))
        return false;
    // Days of the month without months are those days of every month (RFC 5545 expands them in
    // a yearly rule); libical 3.0's expansion keeps to the start's month.
    if (!empty(rule.by_month_day) && empty(rule.by_month))
        return false;
    const int daysInMonth = QDate(start.year, start.month, 1).daysInMonth();
    return admits(rule.by_month, ICAL_BY_MONTH_SIZE, start.month, start.month)
        && admits(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE, start.day, start.day - daysInMonth - 1);
}

// Whether libical's expansion of the rule, in the start's own time (its zone's wall clock, as
// the writer meant it), falls on the start's month and day once every year: what Tallowick
// repeats. A 29 February start may fall on 28 February in other years (where Tallowick
// shows it) or skip them (a bare rule, read as RFC 5545 says); SKIP=FORWARD's 1 March is
// another day. The years after the start are followed until a leap year and a common one are
// among them, where the last days of February differ (at most nine: 2096 to 2104).
bool yearlyOnItsDay(const icalrecurrencetype &rule, icaltimetype start)
{
    if (!mayBeYearlyOnItsDay(rule, start))
        return false;
    // Months and days repeat every 400 years, weekdays too; libical expands only up to 2582.
    start.year = 2000 + ((start.year - 2000) % 400 + 400) % 400;
    std::unique_ptr<icalrecur_iterator, decltype(&icalrecur_iterator_free)> occurrences(
        icalrecur_iterator_new(rule, start), &icalrecur_iterator_free);
    if (!occurrences)
        return false;
    const bool leapDay = start.month == 2 && start.day == 29;
    const auto mayBeSkipped = [&](int year) { return leapDay && !QDate::isLeapYear(year); };
    int year = start.year; // the next year an occurrence is due
    bool leapSeen = false;
    bool commonSeen = false;
    const auto passed = [&](int past) {
        if (past > start.year)
            (QDate::isLeapYear(past) ? leapSeen : commonSeen) = true;
    };
    while (!leapSeen || !commonSeen) {
        const icaltimetype next = icalrecur_iterator_next(occurrences.get());
        if (icaltime_is_null_time(next) || next.year < year) // it ends, or twice in one year
            return false;
        for (; year < next.year; ++year) {
            if (!mayBeSkipped(year))
                return false;
            passed(year);
        }
        const bool ownDay = next.month == start.month && next.day == start.day;
        const bool leapDayEve = mayBeSkipped(year) && next.month == 2 && next.day == 28;
        if (!ownDay && !leapDayEve)
            return false;
        passed(year++);
    }
    return true;
}

// FREQ=YEARLY on the start's own month and day, every year, without end, is what Tallowick
// repeats. Programs write it bare, or with its month and day spelled out (the last day of
// February for a 29 February event, as Tallowick itself writes).
Entry::Repeat repeatOf(icalcomponent *vevent, const std::optional<QDate> &day)
{
    if (lostRepeat(vevent) || icalcomponent_get_first_property(vevent, ICAL_RDATE_PROPERTY))
        return Entry::Repeat::Other;
    icalproperty *property = icalcomponent_get_first_property(vevent, ICAL_RRULE_PROPERTY);
    if (!property)
        return Entry::Repeat::Once;
    if (icalcomponent_get_next_property(vevent, ICAL_RRULE_PROPERTY) || !day)
        return Entry::Repeat::Other;
    const bool yearly = yearlyOnItsDay(icalproperty_get_rrule(property), icalcomponent_get_dtstart(vevent));
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

QByteArrayView withoutByteOrderMark(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

Reading read(const QByteArray &bytes)
{
    if (bytes.size() > kMaxBytes)
        return {Reading::Status::TooLarge, {}};
    const QByteArrayView text = withoutByteOrderMark(bytes);
    const auto calendars = calendarsIn(text);
    if (!calendars)
        return {Reading::Status::NotACalendar, {}};
    LibIcal::prepare();
    // Each calendar's own properties and zones make one tree, and each event is parsed on its
    // own within it and let go once read: libical's tree of a whole large calendar takes ten
    // times its text.
    Reading reading{Reading::Status::Read, {}};
    for (const CalendarSpans &spans : *calendars) {
        QByteArray frame;
        qsizetype at = spans.calendar.begin;
        for (const Span &event : spans.events) {
            frame += text.sliced(at, event.begin - at);
            at = event.end;
        }
        frame += text.sliced(at, spans.calendar.end - at);
        const LibIcal::Component calendar(icalparser_parse_string(frame.constData()));
        if (!calendar || icalcomponent_isa(calendar.get()) != ICAL_VCALENDAR_COMPONENT)
            return {Reading::Status::NotACalendar, {}};
        if (!plausibleZones(calendar.get())) {
            qCInfo(lcCalendar) << "A calendar whose time zones change more often than once a year, or in too many rules: refused";
            return {Reading::Status::NotACalendar, {}};
        }
        for (const Span &span : spans.events) {
            const LibIcal::Component vevent(
                icalparser_parse_string(text.sliced(span.begin, span.end - span.begin).toByteArray().constData()));
            if (!vevent || icalcomponent_isa(vevent.get()) != ICAL_VEVENT_COMPONENT)
                return {Reading::Status::NotACalendar, {}};
            // Within its calendar, its times find the calendar's zones.
            icalcomponent_add_component(calendar.get(), vevent.get());
            reading.entries.append(entryOf(vevent.get()));
            icalcomponent_remove_component(calendar.get(), vevent.get());
        }
    }
    return reading;
}

} // namespace ICalendarImport
