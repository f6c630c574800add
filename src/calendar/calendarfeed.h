#pragma once

#include <model/edate.h>

#include <QDateTime>
#include <QList>
#include <QString>

// The live calendar: an iCalendar file of the event list that calendar programs subscribe to
// as a local calendar, kept equal to the list by every change of it (whichever program makes
// the change). Replaced atomically, so a calendar program never reads half of it.
namespace CalendarFeed {

// $XDG_DATA_HOME/tallowick/events.ics
QString path();

// Rewrites the feed as the calendar of `events` stamped `now`, unless it already shows them
// (a stamp alone is no change: calendar programs would reload for nothing). True when it
// was written; a failure is logged, leaves the old feed and sets `*failed` when given.
bool update(const QList<EDate> &events, const QDateTime &now, bool *failed = nullptr);

} // namespace CalendarFeed
