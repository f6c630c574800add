#include <model/calendarhelper.h>
#include <model/countspan.h>
#include <model/edate.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

using U = CountUnit;

QDate day(const char *text)
{
    return QDate::fromString(QLatin1String(text), Qt::ISODate);
}

EDate event(const char *ddate, bool countdown, const char *unit, bool yearly = false)
{
    EDate e;
    e.ddate = QLatin1String(ddate);
    e.countdown = countdown;
    e.countUnit = QLatin1String(unit);
    if (yearly)
        e.repeat = QLatin1String(EDate::kRepeatYearly);
    return e;
}

class CountSpanTest : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 9, 10, 0)};
};

} // namespace

TEST(CountSpanArithmetic, MonthsAndYearsCountAsTheCalendarAddsThem)
{
    struct Case
    {
        const char *from;
        const char *to;
        CountUnit unit;
        CountSpan expected;
    };
    const Case cases[] = {
        {"2026-12-09", "2027-01-01", U::Days, {{U::Days, 23}}},
        {"2026-12-09", "2027-01-23", U::Weeks, {{U::Weeks, 6}, {U::Days, 3}}},
        {"2027-01-23", "2026-12-09", U::Weeks, {{U::Weeks, 6}, {U::Days, 3}}},  // either way round
        // From the end of a month, one month on is the end of a shorter one.
        {"2027-01-31", "2027-02-28", U::Months, {{U::Months, 1}, {U::Days, 0}}},
        {"2027-01-31", "2027-03-01", U::Months, {{U::Months, 1}, {U::Days, 1}}},
        {"2027-01-31", "2027-02-27", U::Months, {{U::Months, 0}, {U::Days, 27}}},
        {"2028-01-31", "2028-02-29", U::Months, {{U::Months, 1}, {U::Days, 0}}},
        // 29 February comes back on 28 February in the years without one.
        {"2024-02-29", "2025-02-28", U::Years, {{U::Years, 1}, {U::Months, 0}, {U::Days, 0}}},
        {"2024-02-29", "2025-03-01", U::Years, {{U::Years, 1}, {U::Months, 0}, {U::Days, 1}}},
        {"2024-02-29", "2028-02-29", U::Years, {{U::Years, 4}, {U::Months, 0}, {U::Days, 0}}},
        {"2024-09-04", "2026-12-09", U::Years, {{U::Years, 2}, {U::Months, 3}, {U::Days, 5}}},
        {"2026-12-09", "2026-12-09", U::Years, {{U::Years, 0}, {U::Months, 0}, {U::Days, 0}}},
        // Dates before the Gregorian reform are Gregorian too, as the app stores them.
        {"1582-10-01", "1582-10-20", U::Months, {{U::Months, 0}, {U::Days, 19}}},
        {"0001-01-01", "9999-12-31", U::Years, {{U::Years, 9998}, {U::Months, 11}, {U::Days, 30}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CountSpans::between(day(c.from), day(c.to), c.unit), c.expected) << c.from << " to " << c.to;
}

TEST_F(CountSpanTest, APageShowsTheLargestPartThatCountsWithTheRestBeneath)
{
    struct Case
    {
        EDate event;
        const char *number;
        const char *beneath;
        const char *spoken;  // the page as one sentence
    };
    const Case cases[] = {
        {event("2027-01-23", true, "weeks"), "6", "weeks · 3 days", "Birth, January 23, 2027, 6 weeks, 3 days left"},
        // After the day a count-down is negative, as the day count is.
        {event("2026-09-04", true, "months"), "-3", "months · 5 days", "Birth, September 4, 2026, 3 months, 5 days ago"},
        // A count-up counts the days gone since its date: day 1,030 is 1,029 days on.
        {event("2024-02-14", false, "years"), "2", "years · 9 months, 25 days",
         "Birth, 2 years, 9 months, 25 days since February 14, 2024"},
        // Less than a month counts its days; exactly a year leaves nothing beneath the year.
        {event("2026-12-12", true, "months"), "3", "days", "Birth, December 12, 2026, 3 days left"},
        {event("2027-12-09", true, "years"), "1", "year", "Birth, December 9, 2027, 1 year left"},
        // A yearly event counts to its next occurrence.
        {event("2020-12-25", true, "weeks", true), "2", "weeks · 2 days", "Birth, December 25, 2026, 2 weeks, 2 days left"},
        // On the day, on a count-up's first day, in days and in a unit this version does not
        // know, the day count stands as it always did.
        {event("2026-12-09", true, "weeks"), "YAY!", "", "Birth, December 9, 2026, today"},
        {event("2026-12-09", false, "years"), "1", "", "Birth, day 1 since December 9, 2026"},
        {event("2027-01-23", true, "days"), "45", "", "Birth, January 23, 2027, 45 days left"},
        {event("2027-01-23", true, "fortnights"), "45", "", "Birth, January 23, 2027, 45 days left"},
    };
    for (const Case &c : cases) {
        const CountSpans::Shown shown = CountSpans::shown(c.event);
        EXPECT_EQ(shown.number, QString::fromUtf8(c.number)) << c.event.ddate.toStdString();
        EXPECT_EQ(shown.beneath, QString::fromUtf8(c.beneath)) << c.event.ddate.toStdString();
        EXPECT_EQ(CountWords::pageText(QStringLiteral("Birth"), CalendarHelper::countedDate(c.event), c.event.countdown,
                                       CountSpans::spokenSpan(c.event)),
                  QString::fromUtf8(c.spoken));
    }
}

TEST_F(CountSpanTest, UnitsAreNamedInEachLanguagesPluralForms)
{
    struct Case
    {
        const char *locale;
        CountUnit unit;
        qint64 amount;
        const char *word;
    };
    const Case cases[] = {
        {"en_US", U::Weeks, 1, "week"},   {"en_US", U::Weeks, 0, "weeks"},   {"en_US", U::Years, 21, "years"},
        {"ru_RU", U::Weeks, 1, "неделя"}, {"ru_RU", U::Weeks, 2, "недели"},  {"ru_RU", U::Weeks, 5, "недель"},
        {"ru_RU", U::Weeks, 11, "недель"}, {"ru_RU", U::Weeks, 21, "неделя"}, {"pl_PL", U::Months, 2, "miesiące"},
        {"pl_PL", U::Months, 5, "miesięcy"}, {"pl_PL", U::Months, 22, "miesiące"}, {"de_DE", U::Years, 1, "Jahr"},
        // Arabic says one and two in the word alone ("a month", "two months").
        {"ar_EG", U::Months, 1, "شهر"},   {"ar_EG", U::Months, 2, "شهران"},  {"ar_EG", U::Months, 11, "شهرًا"},
    };
    for (const Case &c : cases) {
        ScopedLocale inLanguage{QString::fromLatin1(c.locale)};
        EXPECT_EQ(CountSpans::unitWord(c.unit, c.amount), QString::fromUtf8(c.word)) << c.locale << ' ' << c.amount;
    }
    const std::pair<const char *, const char *> spans[] = {
        {"de_DE", "6 Wochen, 3 Tage"}, {"ru_RU", "6 недель 3 дня"}, {"fr_FR", "6\u00a0semaines et 3\u00a0jours"}, {"ja_JP", "6 週間 3 日"},
    };
    for (const auto &[name, text] : spans) {
        ScopedLocale inLanguage{QString::fromLatin1(name)};
        EXPECT_EQ(CountSpans::text({{U::Weeks, 6}, {U::Days, 3}}), QString::fromUtf8(text)) << name;
    }
}
