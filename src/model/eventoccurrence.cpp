#include "eventoccurrence.h"

#include <algorithm>

namespace {

constexpr int kLastYear = 9999; // stored dates have four-digit years

} // namespace

std::optional<EventOccurrence> occurrenceIn(const QDate &first, int year)
{
    if (!first.isValid() || year < first.year() || year > kLastYear)
        return std::nullopt;
    // Only 29 February can be missing from a year: it becomes the last day of that February.
    const int day = std::min(first.day(), QDate(year, first.month(), 1).daysInMonth());
    return EventOccurrence{QDate(year, first.month(), day), year - first.year()};
}

std::optional<EventOccurrence> nextOccurrence(const QDate &first, const QDate &today)
{
    if (!first.isValid() || !today.isValid())
        return std::nullopt;
    if (first >= today)
        return EventOccurrence{first, 0};
    auto occurrence = occurrenceIn(first, today.year());
    if (occurrence && occurrence->day < today)
        occurrence = occurrenceIn(first, today.year() + 1);
    return occurrence;
}
