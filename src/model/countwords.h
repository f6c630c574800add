#pragma once

#include <QString>
#include <optional>

// The words that go with an event's count, in the person's language and with the plural the
// language gives the number: what a count means, and the whole sentence a person hears for an
// event's page.
namespace CountWords {

// A count of days as the number a plural rule takes (an int): counts past it are beyond any
// real date anyway.
int pluralNumber(qint64 days);

// What the count text of an event (CalendarHelper::getDayCount) says.
struct Meaning
{
    enum class Kind {
        Today,      // the day itself ("YAY!")
        DaysLeft,   // days until the date
        DaysAgo,    // days since a count-down's date went by
        DayNumber,  // the day number of a count-up (its date is day 1)
        Unknown,    // no number: the date could not be counted
    };
    Kind kind;
    qint64 days;  // never negative; 0 for Today and Unknown
};

// The meaning of `count` for an event dated `ddate`, counting down unless `countdown` is
// false. A count-up whose date is still ahead counts the days left.
Meaning meaningOf(const QString &count, const QString &ddate, std::optional<bool> countdown);

// The text a person hears for an event's page: its title, its whole date and its count, as
// "New Year, January 1, 2027, 23 days left", "Together, day 1,030 since February 14, 2024",
// "Exam, December 20, 2026, today" or "Trip, May 1, 2024, 12 days ago" (in the current
// language, the date and numbers in the current locale). With a `span` (the count in a larger
// unit, "6 weeks, 3 days") it says that instead of the days: "Birth, May 1, 2027, 6 weeks,
// 3 days left", "Together, 2 years, 9 months since February 14, 2024".
QString pageText(const QString &title, const QString &ddate, std::optional<bool> countdown, const QString &span = QString());

} // namespace CountWords
