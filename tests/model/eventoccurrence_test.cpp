#include <model/calendarhelper.h>
#include <model/edate.h>
#include <model/eventoccurrence.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <gtest/gtest.h>

namespace {

EDate eventOn(const char *ddate, bool yearly = true, bool countdown = true)
{
    TestEvent event = TestEvent::numbered(0).titled(QStringLiteral("Birthday")).on(QString::fromLatin1(ddate)).counting(countdown);
    return yearly ? event.yearly() : event;
}

std::optional<EventOccurrence> occurrence(int year, int month, int day, int ordinal)
{
    return EventOccurrence{QDate(year, month, day), ordinal};
}

class YearlyCount : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};

    static QString countAt(const EDate &event, const QDateTime &now)
    {
        FixedClock clock(now);
        return CalendarHelper::getDayCount(event);
    }
};

} // namespace

TEST(NextOccurrence, IsTheOwnDateUntilItPassesThenEachAnniversary)
{
    const QDate first(2016, 5, 1);
    EXPECT_EQ(nextOccurrence(first, QDate(2016, 4, 1)), occurrence(2016, 5, 1, 0));
    EXPECT_EQ(nextOccurrence(first, QDate(2016, 5, 1)), occurrence(2016, 5, 1, 0));
    EXPECT_EQ(nextOccurrence(first, QDate(2016, 5, 2)), occurrence(2017, 5, 1, 1));
    EXPECT_EQ(nextOccurrence(first, QDate(2026, 4, 30)), occurrence(2026, 5, 1, 10));
    EXPECT_EQ(nextOccurrence(first, QDate(2026, 5, 1)), occurrence(2026, 5, 1, 10));
    EXPECT_EQ(nextOccurrence(first, QDate(2026, 5, 2)), occurrence(2027, 5, 1, 11));
    EXPECT_EQ(nextOccurrence(QDate(2016, 12, 31), QDate(2027, 1, 1)), occurrence(2027, 12, 31, 11));
    EXPECT_EQ(nextOccurrence(QDate(2000, 1, 1), QDate(9999, 12, 31)), std::nullopt);
    EXPECT_EQ(nextOccurrence(QDate(), QDate(2026, 1, 1)), std::nullopt);
    EXPECT_EQ(occurrenceIn(first, 2015), std::nullopt);
}

TEST(NextOccurrence, TwentyNinthOfFebruaryFallsOnTheTwentyEighthInCommonYears)
{
    const QDate leap(2024, 2, 29);
    EXPECT_EQ(nextOccurrence(leap, QDate(2025, 2, 1)), occurrence(2025, 2, 28, 1));
    EXPECT_EQ(nextOccurrence(leap, QDate(2025, 2, 28)), occurrence(2025, 2, 28, 1));
    EXPECT_EQ(nextOccurrence(leap, QDate(2025, 3, 1)), occurrence(2026, 2, 28, 2));
    EXPECT_EQ(nextOccurrence(leap, QDate(2027, 3, 1)), occurrence(2028, 2, 29, 4));
    EXPECT_EQ(nextOccurrence(leap, QDate(2100, 1, 1)), occurrence(2100, 2, 28, 76)); // no leap year
}

TEST_F(YearlyCount, CountsToTheNextOccurrenceAcrossItsDay)
{
    const EDate birthday = eventOn("2016-05-01");
    EXPECT_EQ(countAt(birthday, localTime(2026, 4, 30, 9)), QLatin1String("1"));
    EXPECT_EQ(countAt(birthday, localTime(2026, 4, 30, 23, 59, 30)), QLatin1String("YAY!"));
    EXPECT_EQ(countAt(birthday, localTime(2026, 5, 1, 10)), QLatin1String("YAY!"));
    EXPECT_EQ(countAt(birthday, localTime(2026, 5, 1, 23, 58)), QLatin1String("YAY!"));
    EXPECT_EQ(countAt(birthday, localTime(2026, 5, 2, 0, 0, 30)), QLatin1String("364"));
    EXPECT_EQ(countAt(birthday, localTime(2026, 5, 2, 9)), QLatin1String("364"));
    // The year to the next one holds a 29 February.
    EXPECT_EQ(countAt(eventOn("2019-03-01"), localTime(2027, 3, 2, 9)), QLatin1String("365"));
    // Its own date still to come: counted like any event.
    EXPECT_EQ(countAt(eventOn("2027-01-01"), localTime(2026, 12, 22, 9)), QLatin1String("10"));
    // Stored in the timestamp form, its day in this zone is what comes back.
    EXPECT_EQ(countAt(eventOn("2016-05-01T09:00:00+0900"), localTime(2026, 5, 1, 12)), QLatin1String("YAY!"));

    FixedClock clock(localTime(2026, 5, 2, 9));
    EXPECT_EQ(CalendarHelper::countedDate(birthday), QStringLiteral("2027-05-01"));
    EXPECT_EQ(CalendarHelper::nextOccurrence(birthday), occurrence(2027, 5, 1, 11));
    EXPECT_EQ(CalendarHelper::nextOccurrence(QStringLiteral("2016-05-01"), localTime(2026, 4, 1)), occurrence(2026, 5, 1, 10));
}

TEST_F(YearlyCount, TheTwentyNinthOfFebruaryIsCountedOnTheTwentyEighthInCommonYears)
{
    const EDate leap = eventOn("2024-02-29");
    EXPECT_EQ(countAt(leap, localTime(2025, 2, 27, 10)), QLatin1String("1"));
    EXPECT_EQ(countAt(leap, localTime(2025, 2, 28, 10)), QLatin1String("YAY!"));
    EXPECT_EQ(countAt(leap, localTime(2025, 3, 1, 10)), QLatin1String("364"));
    EXPECT_EQ(countAt(leap, localTime(2028, 2, 29, 10)), QLatin1String("YAY!"));
}

TEST_F(YearlyCount, EventsThatDoNotRepeatCountAsTheyAlwaysDid)
{
    const QDateTime moments[] = {localTime(2026, 4, 30, 23, 59, 30), localTime(2026, 5, 1, 10), localTime(2026, 5, 2, 9),
                                 localTime(2031, 1, 1, 0, 0, 1)};
    for (const QDateTime &now : moments) {
        for (const char *ddate : {"2016-05-01", "2026-05-01", "2026-05-02T09:00:00+0900", "none"}) {
            for (const EDate &event : {eventOn(ddate, false), eventOn(ddate, false, false), eventOn(ddate, true, false)}) {
                FixedClock clock(now);
                EXPECT_EQ(CalendarHelper::getDayCount(event), CalendarHelper::getDayCount(event.ddate, event.countdown))
                    << ddate << " at " << qPrintable(now.toString(Qt::ISODate));
                EXPECT_EQ(CalendarHelper::countedDate(event), event.ddate);
                EXPECT_FALSE(CalendarHelper::nextOccurrence(event));
            }
        }
    }
    // A yearly event whose date is no date counts as any such event: today.
    EXPECT_EQ(countAt(eventOn("none"), localTime(2026, 5, 2, 9)), QLatin1String("YAY!"));
}

TEST(OccurrenceText, NamesTheYearInTheLanguage)
{
    {
        ScopedLocale english(QStringLiteral("en_US"));
        EXPECT_EQ(CalendarHelper::occurrenceText(10), QStringLiteral("10th year"));
        EXPECT_EQ(CalendarHelper::occurrenceText(1), QStringLiteral("1st year"));
        EXPECT_EQ(CalendarHelper::occurrenceText(22), QStringLiteral("22nd year"));
        EXPECT_TRUE(CalendarHelper::occurrenceText(0).isEmpty());
    }
    {
        ScopedLocale korean(QStringLiteral("ko_KR"));
        EXPECT_EQ(CalendarHelper::occurrenceText(10), QString::fromUtf8("10번째 해"));
    }
    {
        ScopedLocale japanese(QStringLiteral("ja_JP"));
        EXPECT_EQ(CalendarHelper::occurrenceText(10), QString::fromUtf8("第10年"));
    }
    // The languages of the later tables, each its own ordinal with its own word for the year.
    const std::pair<const char *, const char *> expected[] = {
        {"de_DE", "10. Jahr"}, {"fr_FR", "10e année"}, {"es_ES", "10.º año"}, {"pt_BR", "10º ano"},
        {"it_IT", "10º anno"}, {"nl_NL", "10e jaar"}, {"pl_PL", "10. rok"}, {"ru_RU", "10-й год"},
        {"tr_TR", "10. yıl"}, {"ar_EG", "السنة ١٠"},
    };
    for (const auto &[locale, text] : expected) {
        ScopedLocale scoped{QLatin1String(locale)};
        EXPECT_EQ(CalendarHelper::occurrenceText(10).toStdString(), std::string(text)) << locale;
    }
}
