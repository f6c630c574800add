#pragma once

#include "countunit.h"
#include "countwords.h"

#include <QDate>
#include <QList>
#include <QString>

struct EDate;

// One part of a span: an amount of one unit ("3 months").
struct SpanPart
{
    CountUnit unit;
    qint64 amount;  // never negative

    friend bool operator==(const SpanPart &, const SpanPart &) = default;
};

// A span of days told in a larger unit: for years its whole years, then months, then days;
// for months its months and days; for weeks its weeks and days; for days the days alone.
// Every part is there, zeros too, largest first.
using CountSpan = QList<SpanPart>;

namespace CountSpans {

// The span from `from` to `to` (either way round) in `unit`. Months and years count as the
// Gregorian calendar adds them (ICU's): from 31 January, one month on is the last day of
// February, and from 29 February one year on is 28 February.
CountSpan between(const QDate &from, const QDate &to, CountUnit unit);

// What an event's count stands for now, and the span it covers in the event's unit: the days
// left from today, the days since a count-down's day went by, or for a count-up the days
// gone since its date (day 1 is no day gone). Every part zero on the day itself ("YAY!");
// empty for a count that is no number.
struct EventCount
{
    CountWords::Meaning meaning;
    CountSpan span;
};
EventCount ofEvent(const EDate &event);

// The parts a person is shown: the span without its zero parts, so the first is the largest
// unit that counts ("3 months, 12 days" in years reads so). Empty when every part is zero.
CountSpan shownParts(const CountSpan &span);

// The parts as words of the time locale, in its plural forms and list style: "6 weeks, 3 days",
// "6 Wochen, 3 Tage", "6 недель 3 дня". Empty for no parts.
QString text(const CountSpan &parts);
// The name of `unit` that goes with `amount`, without the number: "weeks" for 6, "week" for 1,
// "недели" for 3 in Russian. Some languages say a small amount in the word alone (Arabic
// "شهران", two months): then the word is all of it.
QString unitWord(CountUnit unit, qint64 amount);

// How an event's page shows its count: `number` in big type and `beneath` under it. In days
// (or on the day, or with nothing to count in a larger unit yet) the count as it always was and
// nothing beneath; otherwise the largest part that counts ("6", negative after a count-down's
// day as the day count is) with its unit and the rest beneath ("weeks · 3 days").
struct Shown
{
    QString number;
    QString beneath;
};
Shown shown(const EDate &event);

// The count as a person hears or reads it in a sentence: "6 weeks, 3 days"; for days, or when
// no larger unit counts yet, nothing (the day wording stands).
QString spokenSpan(const EDate &event);

} // namespace CountSpans
