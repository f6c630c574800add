#pragma once

#include <model/edate.h>

#include <QList>
#include <QTime>
#include <optional>

#include <libical/ical.h>

// Tallowick's own alarms in an event's object: one at the reminder time (10:00 unless
// chosen) on the event's day and on each day before it that the reminder choice names, as
// the export writes them. They are known by their trigger alone, relative to the all-day
// start and compared in seconds (some programs rewrite "-P2DT14H" as "-PT3720M"): the same
// whole minute of the day on the event's day or on one of the 7 days before. That minute is
// the one of the event's first alarm on its own day, whatever time the file was written
// with, so that another reminder time reads back as the same choice while another
// program's alarm at another time of day ("-PT15M") stays that program's.
namespace OwnAlarms {

// The time of day the event's own alarms are at: that of its first alarm on the event's
// own day (with more than one there, the one whose alarms make a reminder choice), or
// 10:00, what every file written before a time could be chosen has, without one.
QTime timeIn(icalcomponent *vevent);
// The days before the event on which the alarm fires at `time` when it is one of ours (0 to 7).
std::optional<int> daysBefore(icalcomponent *alarm, QTime time);
// The days of the event's own alarms, ascending (a day written twice counts once).
QList<int> daysIn(icalcomponent *vevent);
// The days the export gives the event alarms for: none for a count-up event or without a
// reminder choice.
QList<int> daysFor(const EDate &event);
// The reminder code whose alarms fall on exactly these days; nothing when none does.
std::optional<qint64> codeFor(const QList<int> &days);
// Takes the event's own alarms out, leaving the others.
void removeFrom(icalcomponent *vevent);

} // namespace OwnAlarms
