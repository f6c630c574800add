#pragma once

#include <reminders/notidays.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// Reads what other calendar programs write (RFC 5545), through libical: the events a
// calendar file holds, each as Tallowick could keep it. The rules of the list (titles, the
// limit, duplicates) are the store's; this only reads.
namespace ICalendarImport {

// Larger than any calendar of a person's own days: refused before it is parsed.
inline constexpr qsizetype kMaxBytes = 8 * 1024 * 1024;

// One VEVENT.
struct Entry
{
    enum class Repeat {
        Once,
        Yearly,  // FREQ=YEARLY on its own month and day, without end
        Other,   // any other rule: weekly, every second year, the second Sunday of May, a count
    };

    QString uid;                     // as written; may be empty
    QString title;                   // SUMMARY, unescaped; may be empty
    std::optional<QDate> day;        // the local date of DTSTART in the process's time zone
    Repeat repeat = Repeat::Once;
    bool cancelled = false;          // STATUS:CANCELLED
    bool changesOneOccurrence = false; // RECURRENCE-ID: a change to one occurrence of a series
    // The reminder choice whose alarms it carries (Tallowick's own, as its export writes
    // them: at some time of day on the day and on the 3 or 7 days before); nothing for
    // other alarms.
    std::optional<NotiDays> reminders;
};

struct Reading
{
    enum class Status {
        Read,
        TooLarge,      // more than kMaxBytes
        NotACalendar,  // no iCalendar, or a damaged one (cut short, unbalanced, hostile)
    };
    Status status = Status::NotACalendar;
    QList<Entry> entries; // in file order
};

// A file may start with a UTF-8 byte order mark (some Windows programs write one); it is read
// past, as a backup's is.
Reading read(const QByteArray &bytes);

// The text after a UTF-8 byte order mark, or all of it.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes);

} // namespace ICalendarImport
