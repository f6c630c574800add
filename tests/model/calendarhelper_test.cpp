#include <model/calendarhelper.h>
#include <model/datecontext.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

const std::optional<bool> kDown = true;
const std::optional<bool> kUp = false;

struct CountCase
{
    const char *ddate;
    QDateTime now;
    const char *down;
    const char *up;
};

void expectCounts(const std::vector<CountCase> &cases)
{
    for (const CountCase &c : cases) {
        FixedClock clock(c.now);
        const QString ddate = QString::fromUtf8(c.ddate);
        EXPECT_EQ(CalendarHelper::getDayCount(ddate, kDown), QLatin1String(c.down))
            << c.ddate << " at " << qPrintable(c.now.toString(Qt::ISODate));
        EXPECT_EQ(CalendarHelper::getDayCount(ddate, kUp), QLatin1String(c.up))
            << c.ddate << " at " << qPrintable(c.now.toString(Qt::ISODate));
    }
}

class DayCount : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
};

} // namespace

TEST_F(DayCount, CountsDownToTheDayAndUpFromIt)
{
    expectCounts({
        {"2024-05-01", localTime(2024, 5, 1, 8), "YAY!", "1"},
        {"2024-05-02", localTime(2024, 5, 1, 10, 0, 30), "1", "1"},
        {"2024-04-30", localTime(2024, 5, 1, 9), "-1", "2"},
        {"2024-05-11", localTime(2024, 5, 1, 9, 0, 30), "10", "9"},
        {"2024-04-24", localTime(2024, 5, 1, 10), "-7", "8"},
    });
}

TEST_F(DayCount, TheLastMinuteBeforeTheDayIsAlreadyTheDay)
{
    expectCounts({
        {"2024-05-02", localTime(2024, 5, 1, 23, 59, 30), "YAY!", "1"},
        {"2024-05-02", localTime(2024, 5, 1, 23, 58), "1", "1"},
        {"2024-05-02", localTime(2024, 5, 2, 0, 0, 0), "YAY!", "1"},
        {"2024-05-02", localTime(2024, 5, 2, 23, 59, 59), "YAY!", "1"},
        {"2024-05-02", localTime(2024, 5, 3, 0, 0, 0), "-1", "2"},
    });
}

TEST_F(DayCount, AWholeMinuteOrHourLeftStillCountsTheStartedDay)
{
    // A remainder whose minute part is 0 must not lose the day in progress.
    expectCounts({
        {"2024-05-11", localTime(2024, 5, 1, 10, 59, 30), "10", "9"},
        {"2024-05-02", localTime(2024, 5, 1, 21, 59, 30), "1", "1"},
        {"2024-05-03", localTime(2024, 5, 1, 10, 0, 0), "2", "1"},
        {"2024-05-03", localTime(2024, 5, 2, 0, 0, 0), "1", "1"},
    });
}

TEST_F(DayCount, DatesThatDoNotParseCountAsToday)
{
    FixedClock clock(localTime(2024, 5, 1, 10));
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("none"), kDown), QLatin1String("YAY!"));
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("none"), kUp), QLatin1String("1"));
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2023-02-29"), kDown), QLatin1String("YAY!"));
    EXPECT_EQ(CalendarHelper::getDayCount(QString(), std::nullopt), QLatin1String("YAY!"));
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-01junk"), kDown), QLatin1String("YAY!"));
}

TEST_F(DayCount, AbsentDirectionCountsDown)
{
    FixedClock clock(localTime(2024, 5, 1, 9));
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-11"), std::nullopt), QLatin1String("10"));
}

TEST_F(DayCount, LeapDaysAndDatesBefore1970)
{
    expectCounts({
        {"2024-02-29", localTime(2024, 2, 28, 12), "1", "1"},
        {"2024-02-28", localTime(2024, 3, 1, 10), "-2", "3"},
        {"2028-02-29", localTime(2024, 2, 29, 10), "1461", "1460"},
        {"1960-01-01", localTime(2024, 5, 1, 10), "-23497", "23498"},
    });
}

TEST_F(DayCount, TimestampFormUsesItsDayInTheCurrentZone)
{
    FixedClock clock(localTime(2024, 5, 1, 10));
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-01T09:00:00+0900"), kDown), QLatin1String("YAY!"));
    // 09:00 in Seoul is still 30 April in New York.
    ScopedTimeZone newYork("America/New_York");
    clock.set(localTime(2024, 5, 1, 10));
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-01T09:00:00+0900"), kDown), QLatin1String("-1"));
}

TEST_F(DayCount, FollowsAChangeOfTimeZone)
{
    const QDateTime instant = localTime(2024, 5, 1, 8); // 08:00 in Seoul, 19:00 the day before in New York
    FixedClock clock(instant);
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-01"), kDown), QLatin1String("YAY!"));
    ScopedTimeZone newYork("America/New_York");
    EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-01"), kDown), QLatin1String("1"));
}

TEST(DayCountAcrossDaylightSaving, ShortAndLongDaysCountAsOneDay)
{
    for (const char *zone : {"America/New_York", "Europe/London"}) {
        ScopedTimeZone scoped(zone);
        SCOPED_TRACE(zone);
        expectCounts({
            // Spring forward (a 23-hour day) in both zones lies between these dates.
            {"2024-04-01", localTime(2024, 3, 1, 10), "31", "30"},
            {"2024-03-01", localTime(2024, 4, 1, 10), "-31", "32"},
            // Fall back (a 25-hour day).
            {"2024-11-15", localTime(2024, 10, 15, 10), "31", "30"},
            {"2024-10-15", localTime(2024, 11, 15, 10), "-31", "32"},
            // On the short and long days themselves.
            {"2024-03-11", localTime(2024, 3, 10, 12), "1", "1"},
            {"2024-04-01", localTime(2024, 3, 31, 12), "1", "1"},
            {"2024-11-04", localTime(2024, 11, 3, 12), "1", "1"},
            {"2024-10-28", localTime(2024, 10, 27, 12), "1", "1"},
        });
    }
}

TEST(DateTexts, ParseEachStoredFormOrFallBackToNow)
{
    ScopedTimeZone zone("Asia/Seoul");
    FixedClock clock(localTime(2024, 5, 1, 10, 30));
    EXPECT_EQ(CalendarHelper::toDayDate(QStringLiteral("2024-12-24")), localTime(2024, 12, 24));
    EXPECT_EQ(CalendarHelper::toDayDate(QStringLiteral("2024-12-24T09:00:00+0900")), localTime(2024, 5, 1, 10, 30));
    EXPECT_EQ(CalendarHelper::toDate(QStringLiteral("2024-12-24T09:00:00+0900")), localTime(2024, 12, 24, 9));
    EXPECT_EQ(CalendarHelper::toDate(QStringLiteral("2024-12-24")), localTime(2024, 12, 24));
    EXPECT_EQ(CalendarHelper::toDate(QStringLiteral("someday")), localTime(2024, 5, 1, 10, 30));
    {
        // A short long-style date in the current language.
        ScopedLocale japanese(QStringLiteral("ja_JP"));
        EXPECT_EQ(CalendarHelper::toDate(QString::fromUtf8("2024年5月1日")), localTime(2024, 5, 1));
    }
}

TEST(DateTexts, StoredDateIsTheLocalCalendarDay)
{
    ScopedTimeZone zone("Asia/Seoul");
    EXPECT_EQ(CalendarHelper::formatStoredDate(localTime(2024, 5, 1, 23, 59, 59)), QLatin1String("2024-05-01"));
    EXPECT_EQ(CalendarHelper::formatStoredDate(localTime(1969, 7, 20, 0, 0)), QLatin1String("1969-07-20"));
    ScopedLocale korean(QStringLiteral("ko_KR"));
    EXPECT_EQ(CalendarHelper::formatStoredDate(localTime(2024, 5, 1)), QLatin1String("2024-05-01"));
}

TEST(DateTexts, DisplayDateFollowsTheLanguage)
{
    ScopedTimeZone zone("Asia/Seoul");
    const QString day = QStringLiteral("2024-05-01");
    const std::pair<const char *, const char *> expected[] = {
        {"en_US", "1.May.24"},
        {"en_GB", "1.May.24"},
        {"ko_KR", "2024년 5월 1일"},
        {"ja_JP", "2024年 5月 1日"},
        {"zh_CN", "2024年 5月 1日"},
        {"zh_TW", "2024年 5月 1日"},
    };
    for (const auto &[locale, text] : expected) {
        ScopedLocale scoped{QLatin1String(locale)};
        EXPECT_EQ(CalendarHelper::getRightDateFormat(day), QString::fromUtf8(text)) << locale;
    }
    ScopedLocale english(QStringLiteral("en_US"));
    EXPECT_EQ(CalendarHelper::getRightDateFormat(QStringLiteral("none")), QLatin1String("none"));
    EXPECT_EQ(CalendarHelper::getRightDateFormat(QStringLiteral("2024-09-03")), QLatin1String("3.Sep.24"));
}

// Other languages write the short date their own way, with one separator between day, month
// and year even where the month's abbreviation ends in a stop ("Dez.", "déc.", "дек."). Where
// ICU's data puts a narrow no-break space (Russian, Ukrainian: before the year's mark) it
// stays, so that the date never breaks there.
TEST(DateTexts, OtherLanguagesWriteTheShortDateTheirOwnWay)
{
    ScopedTimeZone zone("Asia/Seoul");
    const std::pair<const char *, const char *> expected[] = {
        {"de_DE", "18. Dez. 26"},
        {"de_AT", "18. Dez. 26"},
        {"fr_FR", "18 déc. 26"},
        {"es_ES", "18 dic 26"},
        {"pt_BR", "18 de dez. de 26"},
        {"it_IT", "18 dic 26"},
        {"nl_NL", "18 dec 26"},
        {"pl_PL", "18 gru 26"},
        {"ru_RU", "18 дек. 26\u202Fг."},
        {"tr_TR", "18 Ara 26"},
        {"ar_EG", "١٨ ديسمبر ٢٦"},
        {"ca_ES", "18 de des. de 26"},
        {"da_DK", "18. dec. 26"},
        {"fi_FI", "18. jouluk. 26"},
        {"hu_HU", "26. dec. 18."},
        {"sv_SE", "18 dec. 26"},
        {"nb_NO", "18. des. 26"},
        {"uk_UA", "18 груд. 26\u202Fр."},
        {"el_GR", "18 Δεκ 26"},
        {"he_IL", "18 בדצמ׳ 26"},
        {"hi_IN", "18 दिस॰ 26"},
        {"cs_CZ", "18. 12. 26"},
        // Gregorian years and months in every locale, as the day was picked.
        {"th_TH", "18 ธ.ค. 26"},
        {"ar_SA", "١٨ ديسمبر ٢٦"},
    };
    for (const auto &[locale, text] : expected) {
        ScopedLocale scoped{QLatin1String(locale)};
        EXPECT_EQ(CalendarHelper::getRightDateFormat(QStringLiteral("2026-12-18")), QString::fromUtf8(text)) << locale;
    }
    ScopedLocale german(QStringLiteral("de_DE"));
    EXPECT_EQ(CalendarHelper::getRightDateFormat(QStringLiteral("2027-01-01")), QStringLiteral("1. Jan. 27"));
    EXPECT_EQ(CalendarHelper::getRightDateFormat(QStringLiteral("2026-05-18")), QStringLiteral("18. Mai 26"));
    EXPECT_EQ(CalendarHelper::getRightDateFormat(QStringLiteral("2026-12-18T09:00:00+0900")), QStringLiteral("18. Dez. 26"));
}

TEST(DateTexts, TheWholeDateHasItsYearInFull)
{
    ScopedTimeZone zone("Asia/Seoul");
    const std::pair<const char *, const char *> expected[] = {
        {"en_US", "January 1, 2027"},
        {"en_GB", "1 January 2027"},
        {"de_DE", "1. Januar 2027"},
        {"fr_FR", "1 janvier 2027"},
        {"es_ES", "1 de enero de 2027"},
        {"pt_BR", "1 de janeiro de 2027"},
        {"pl_PL", "1 stycznia 2027"},
        {"ru_RU", "1 января 2027\u202Fг."},
        {"ar_EG", "١ يناير ٢٠٢٧"},
        {"ko_KR", "2027년 1월 1일"},
        {"ja_JP", "2027年1月1日"},
        {"zh_CN", "2027年1月1日"},
        {"th_TH", "1 มกราคม 2027"},
    };
    for (const auto &[locale, text] : expected) {
        ScopedLocale scoped{QLatin1String(locale)};
        EXPECT_EQ(CalendarHelper::longDate(QStringLiteral("2027-01-01")), QString::fromUtf8(text)) << locale;
    }
    EXPECT_EQ(CalendarHelper::longDate(QStringLiteral("none")), QLatin1String("none"));
}

// The app has the date formats of its first page made on another thread and takes them over.
TEST_F(DayCount, AContextMadeOnAnotherThreadServesTheThreadThatAdoptsIt)
{
    FixedClock clock(localTime(2024, 5, 1, 10));
    std::unique_ptr<DateContext> made;
    DateContext *madeAt = nullptr;
    std::thread([&] {
        EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-03"), kDown), QLatin1String("2"));
        madeAt = &DateContext::current();
        made = DateContext::releaseCurrent();
    }).join();
    ASSERT_TRUE(made);
    EXPECT_EQ(made.get(), madeAt);

    std::thread([&] {
        DateContext::adoptAsCurrent(std::move(made));
        EXPECT_EQ(&DateContext::current(), madeAt);
        EXPECT_EQ(CalendarHelper::getDayCount(QStringLiteral("2024-05-03"), kDown), QLatin1String("2"));
        EXPECT_EQ(CalendarHelper::getRightDateFormat(QStringLiteral("2024-05-03")), QStringLiteral("3.May.24"));
    }).join();
}
