#pragma once

#include "syncedevent.h"

#include <QByteArray>
#include <QDateTime>
#include <optional>

// One event as one CalDAV calendar object (RFC 4791 §4.1): a VCALENDAR holding one VEVENT in
// the export's form, UID the event's id, with the fields no standard property carries in
// event-level X-TALLOWICK-* properties (ObjectFields) and the event's sort key.
namespace CalendarObject {

// The object Tallowick creates for an event; DTSTAMP `stamp`. Nothing for an event whose
// date is no day (the export leaves it out).
std::optional<QByteArray> of(const SyncedEvent &synced, const QDateTime &stamp);

// The server's copy of the event's object with the event written into it. Only what Tallowick
// owns changes, and only where the copy says something else than the event: SUMMARY, the
// start (DTSTART with DTEND, any DURATION dropped), the yearly RRULE, Tallowick's own alarms,
// the X-TALLOWICK-* properties of ObjectFields and the sort key, and DTSTAMP. Everything
// else another program put there (its properties, alarms, overridden occurrences, time
// zones) stays as it is; a title the list cut stays whole on the server while it is
// unchanged. Nothing when the copy is no object this can read (see read()), the event has
// no day, or the result would not read back as the event's own object does.
std::optional<QByteArray> writtenOver(const QByteArray &serverObject, const SyncedEvent &synced,
                                      const QDateTime &stamp);

// Why an object gives no event.
enum class Refusal {
    None,
    TooLarge,     // more than a calendar file may be
    NotAnObject,  // no iCalendar, a damaged one, not one VCALENDAR with one event (a UID)
    Cancelled,    // STATUS:CANCELLED
    NoTitle,
    NoDate,       // no day an event may carry
    OtherRepeat,  // repeats other than every year on its day
};

struct Reading
{
    std::optional<SyncedEvent> synced;
    Refusal refusal = Refusal::None;
};

// The event an object holds, checked as an import checks a calendar's event. Tallowick's own
// properties give back the record they were written from, except where another program
// changed the standard ones since (a title, a day, a yearly rule added or removed, Tallowick's
// alarms removed): those win. An object of another program becomes a count-down event in
// the default theme, titled as the list's rules cut its SUMMARY, on the local day of its
// start, with the reminder choice its alarms match (Tallowick's triggers only), and no sort
// key. Its UID is its id when it is a UUID, otherwise a UUID made from it, the same on every
// device. Unknown themes and reminder codes fall back as another program's object would.
Reading read(const QByteArray &object);

} // namespace CalendarObject
