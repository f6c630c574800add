#pragma once

#include <model/edate.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QTime>

// The event list as an iCalendar file (RFC 5545) that calendar programs read: one all-day
// event per event, identified by the event's id, so that a second export (or the live feed)
// updates what a calendar shows rather than adding to it.
namespace ICalendarExport {

// One VEVENT per event, in list order: UID the event's id, DTSTAMP `stamp`, DTSTART the
// event's day (a count-up event's is the day it counts from) and DTEND the day after, both
// dates, SUMMARY its title, TRANSP:TRANSPARENT (a day counted is no busy time), and for a
// yearly event RRULE:FREQ=YEARLY (on the last day of February for a 29 February event, so
// that it is there in common years too). A count-down event's reminder choice becomes one
// display alarm per reminder, at the person's reminder time (10:00 unless chosen) on the day
// and on each of the 3 or 7 days before, relative to the event's start so that each
// occurrence of a yearly event has them. An event whose date is no date has no day to show
// and is left out.
QByteArray calendar(const QList<EDate> &events, const QDateTime &stamp);
// The same with the alarms at `reminderTime`.
QByteArray calendar(const QList<EDate> &events, const QDateTime &stamp, QTime reminderTime);

// The same with the DTSTAMP lines removed: what two calendars of the same events share
// whenever they were written.
QByteArray withoutStamps(const QByteArray &calendar);

} // namespace ICalendarExport
