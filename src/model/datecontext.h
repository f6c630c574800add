#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <optional>

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/smpdtfmt.h>

// The ICU formatters and calendar that date texts need, for one locale and time zone.
// Building them is the expensive part of a day count, so `current()` keeps one per thread
// and rebuilds it when the time zone or the locale of the process changes.
class DateContext
{
public:
    DateContext();
    ~DateContext();
    DateContext(const DateContext &) = delete;
    DateContext &operator=(const DateContext &) = delete;

    // The calling thread's context, up to date with the process's time zone and locale.
    static DateContext &current();
    // Hands the calling thread's context (if it has one) to another thread, which adopts it
    // as its own: ICU formatters may move between threads, though only one may use them at a
    // time. A thread that will soon need dates can so have them made by a thread with time.
    static std::unique_ptr<DateContext> releaseCurrent();
    static void adoptAsCurrent(std::unique_ptr<DateContext> context);
    // Makes every thread rebuild its context on next use, re-reading the system time zone
    // (for a change of /etc/localtime that leaves TZ as it was).
    static void invalidateAll();

    // Parses with the pattern chosen by the text's length: 11 characters or more
    // "yyyy-MM-dd'T'HH:mm:ssZ", exactly 10 "yyyy-MM-dd", fewer the locale's long date.
    std::optional<UDate> parseByLength(const QString &text);
    // Parses "yyyy-MM-dd" only.
    std::optional<UDate> parseDay(const QString &text);
    // Parses the locale's long date ("December 25, 2026", "25. Dezember 2026") of any length,
    // exactly as the locale writes it, with the year in full.
    std::optional<UDate> parseLongDate(const QString &text);

    struct DayStart
    {
        UDate instant;      // 00:00 (or the first instant) of a local calendar day
        int32_t julianDay;  // that day's number
    };
    std::optional<DayStart> startOfDay(UDate instant);
    // The start of the day that `ddate` names, remembered per text; nothing when the day
    // start cannot be built. Texts that do not parse count as `now`'s day.
    std::optional<DayStart> startOfDayFor(const QString &ddate, UDate now);

    // The Gregorian calendar of the process's zone; nothing when ICU could not build it.
    icu::Calendar *calendar() { return m_calendar.get(); }

    QString formatDay(UDate instant);                     // "yyyy-MM-dd"
    // The short display date of the locale: "1.May.24" in English, "2024년 5월 1일" in
    // Korean, "2024年 5月 1日" in Japanese and Chinese, otherwise the language's own short
    // form with an abbreviated month ("1. Mai 24", "1 mai 24", "1 мая 24 г.").
    QString formatDisplay(UDate instant);
    // The whole date, with the year in full, as the locale writes it ("May 1, 2024",
    // "1. Mai 2024", "2024년 5월 1일").
    QString formatLong(UDate instant);

private:
    bool matchesProcessSettings() const;
    icu::DateFormat *longFormat();

    std::string m_tzEnv;
    bool m_tzSet = false;
    std::string m_localeName;
    quint64 m_generation = 0;
    icu::Locale m_locale;
    std::unique_ptr<icu::TimeZone> m_zone;
    std::unique_ptr<icu::SimpleDateFormat> m_dayFormat;
    std::unique_ptr<icu::SimpleDateFormat> m_timestampFormat;
    std::unique_ptr<icu::DateFormat> m_longFormat;
    std::unique_ptr<icu::SimpleDateFormat> m_displayFormat;
    std::unique_ptr<icu::SimpleDateFormat> m_wholeFormat;
    std::unique_ptr<icu::Calendar> m_calendar;
    QHash<QString, std::optional<DayStart>> m_dayStarts; // only for texts that parse
};

// Number of user-perceived characters, as date texts are measured by.
qsizetype characterCount(const QString &text);
