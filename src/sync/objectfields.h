#pragma once

#include <model/edate.h>
#include <model/keyedfields.h>

// The event's fields that no standard iCalendar property carries, each as an event-level
// X- property of the event's calendar object beside the member that holds it, so that a
// record read back from the server is the record sent. A new field is one line here.
// Standard properties carry the rest: SUMMARY the title, DTSTART the day, RRULE a yearly
// event, VALARMs the reminders. `repeat` and `repeatNotification` are here too because the
// standard form loses part of them (a count-up event's stored choice, an unknown kind).
namespace ObjectFields {

// Every property of Tallowick's own starts so; those of a later version are left alone.
inline constexpr char kPrefix[] = "X-TALLOWICK-";
// The event's place in the list (see SortKeys); not a field of the record.
inline constexpr char kSortKey[] = "X-TALLOWICK-ORDER";

inline constexpr KeyedFields::Table<EDate, 12> kAll{{
    {"X-TALLOWICK-COUNTDOWN", &EDate::countdown},
    {"X-TALLOWICK-THEME", &EDate::colorIndex},
    {"X-TALLOWICK-BACKGROUND", &EDate::bgColor},
    {"X-TALLOWICK-FONT-COLOR", &EDate::fontColor},
    {"X-TALLOWICK-LINE-COLOR", &EDate::lineColor},
    {"X-TALLOWICK-CIRCLE-COLOR", &EDate::circleColor},
    {"X-TALLOWICK-BAR", &EDate::barType},
    {"X-TALLOWICK-BAR-COLOR", &EDate::barColor},
    {"X-TALLOWICK-NOTIFICATION", &EDate::notification},
    {"X-TALLOWICK-REMINDER", &EDate::repeatNotification},
    {"X-TALLOWICK-REPEAT", &EDate::repeat},
    {"X-TALLOWICK-COUNT-UNIT", &EDate::countUnit},
}};

// Calls `visit(propertyName, member)` for each field, with the member as its own pointer type.
template<typename Visit>
void forEach(Visit &&visit)
{
    KeyedFields::forEach(kAll, std::forward<Visit>(visit));
}

} // namespace ObjectFields
