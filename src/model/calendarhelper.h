#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Day counts and date texts of events, in the process's time zone and locale, at the
// instant the shared Clock gives.
class CalendarHelper
{
public:
    // The text shown in an event's circle: "YAY!" on the day (and in its last minute before),
    // the days left when counting down (negative after the date), the day number since the
    // date when counting up (the date itself is day 1). A date that does not parse counts as
    // today. "00" when the calendar cannot tell the difference, the raw text when the day
    // cannot be built. An absent `countdown` counts down.
    static QString getDayCount(const QString &ddate, std::optional<bool> countdown);

    // Parses a stored date text in any form events carry ("yyyy-MM-dd", a full timestamp,
    // or a short long-style local date); the current instant when it does not parse.
    static QDateTime toDate(const QString &text);
    // The same parse without the fallback: nothing when the text is no date.
    static std::optional<QDateTime> parse(const QString &text);
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
