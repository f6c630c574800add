#pragma once

#include <QDate>
#include <optional>

// When a yearly event comes back. An event first dated on a day comes back on its month and
// day every year after; one dated 29 February falls on 28 February in the years without one.
struct EventOccurrence
{
    QDate day;        // the day it falls on
    int ordinal = 0;  // the years since the event's own date: 0 for that date itself

    friend bool operator==(const EventOccurrence &, const EventOccurrence &) = default;
};

// The event's occurrence in `year`; nothing before its own year or beyond 9999.
std::optional<EventOccurrence> occurrenceIn(const QDate &first, int year);

// The first occurrence on or after `today`: the event's own date while that is still to come
// (or today), else this year's or next year's. Nothing when `first` is no date or the next
// occurrence would lie beyond 9999.
std::optional<EventOccurrence> nextOccurrence(const QDate &first, const QDate &today);
