#pragma once

#include "eventoccurrence.h"

#include <QDateTime>
#include <QString>
#include <optional>

// Day counts and date texts of events, in the process's time zone and locale, at the
// instant the shared Clock gives.
struct EDate;

class CalendarHelper
{
public:
    // The text shown in an event's circle: "YAY!" on the day (and in its last minute before),
    // the days left when counting down (negative after the date), the day number since the
    // date when counting up (the date itself is day 1). A date that does not parse counts as
    // today. "00" when the calendar cannot tell the difference, the raw text when the day
    // cannot be built. An absent `countdown` counts down.
    static QString getDayCount(const QString &ddate, std::optional<bool> countdown);
    // The count text of an event as its page, row, widget and reminders show it: for a yearly
    // event the count down to its next occurrence ("YAY!" on the day, 364 or 365 the day
    // after); for every other event getDayCount(ddate, countdown).
    static QString getDayCount(const EDate &event);

    // The occurrence a yearly event counts to now: its own date while that is still to come,
    // else its next anniversary (today's, on the day). Nothing for an event that does not
    // repeat, or whose date does not parse.
    static std::optional<EventOccurrence> nextOccurrence(const EDate &event);
    // The same for a date text of an event that repeats yearly, at `now`.
    static std::optional<EventOccurrence> nextOccurrence(const QString &ddate, const QDateTime &now);
    // The "yyyy-MM-dd" text of the day an event counts to: its next occurrence for a yearly
    // event, else its own `ddate`. What getRightDateFormat is given to show the event's date.
    static QString countedDate(const EDate &event);
    // Which occurrence it is, in the person's language ("10th year"); empty for ordinal 0,
    // the event's own date, which is no anniversary.
    static QString occurrenceText(int ordinal);

    // Parses a stored date text in any form events carry ("yyyy-MM-dd", a full timestamp,
    // or a short long-style local date); the current instant when it does not parse.
    static QDateTime toDate(const QString &text);
    // The same parse without the fallback: nothing when the text is no date.
    static std::optional<QDateTime> parse(const QString &text);
    // The locale's long date as a person types it ("December 25, 2026", "25. Dezember 2026"),
    // whatever its length, exactly as the locale writes it; nothing otherwise.
    static std::optional<QDateTime> parseLongDate(const QString &text);
    // The local calendar day a stored date text names ("yyyy-MM-dd" read as written); nothing
    // when the text is no date.
    static std::optional<QDate> dayOf(const QString &ddate);
    // Parses "yyyy-MM-dd" only; the current instant when it does not parse.
    static QDateTime toDayDate(const QString &text);

    // The short display date of the current locale: English "1.May.24", Korean "2024년 5월 1일",
    // Chinese and Japanese "2024年 5月 1日", other languages their own short form with the
    // month abbreviated ("1. Mai 24", "1 mai 24"); the text itself when it does not parse.
    static QString getRightDateFormat(const QString &text);
    // The whole date, with the year in full, for where a person reads or hears the date as
    // such (an accessible text, a summary, a notification): "May 1, 2024" (en_US),
    // "1 May 2024" (en_GB), "1. Mai 2024", "2024년 5월 1일"; the text itself when it does not
    // parse.
    static QString longDate(const QString &text);

    // The "yyyy-MM-dd" text of the local calendar day of `instant`, as events store it.
    static QString formatStoredDate(const QDateTime &instant);

    // Re-reads the system time zone and locale on next use, for changes that the TZ and
    // LANG variables do not show (a new /etc/localtime).
    static void refreshSystemSettings();
};

class DateContext;

// The counting rule on an explicit context and instant; CalendarHelper::getDayCount is this
// with the calling thread's cached context and the clock's now. Exposed for benchmarks.
QString dayCountText(DateContext &context, double nowMs, const QString &ddate, std::optional<bool> countdown);
// The same for an event, following a yearly one to its next occurrence.
QString eventDayCountText(DateContext &context, double nowMs, const EDate &event);
