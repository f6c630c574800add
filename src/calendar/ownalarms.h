#pragma once

#include <model/edate.h>

#include <QList>
#include <optional>

#include <libical/ical.h>

// Tallowick's own alarms in an event's object: one at 10:00 on the event's day and on each
// day before it that the reminder choice names, as the export writes them. They are known by
// their trigger alone (relative to the all-day start, compared in seconds, since some
// programs rewrite "-P2DT14H" as "-PT3720M"); every other alarm belongs to another program.
namespace OwnAlarms {

// The days before the event at whose 10:00 the alarm fires when it is one of ours (0 to 7).
std::optional<int> daysBefore(icalcomponent *alarm);
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
