#include <model/countwords.h>
#include <support/testenvironment.h>

#include <gtest/gtest.h>

namespace {

constexpr std::optional<bool> kDown = true;
constexpr std::optional<bool> kUp = false;

class CountWordsTest : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 9, 10, 0)};
};

} // namespace

TEST_F(CountWordsTest, TheCountSaysWhatItMeans)
{
    using Kind = CountWords::Meaning::Kind;
    const auto meaning = [](const char *count, const char *ddate, std::optional<bool> countdown) {
        const CountWords::Meaning m = CountWords::meaningOf(QLatin1String(count), QLatin1String(ddate), countdown);
        return std::pair(m.kind, m.days);
    };
    EXPECT_EQ(meaning("YAY!", "2026-12-09", kDown), std::pair(Kind::Today, qint64(0)));
    EXPECT_EQ(meaning("23", "2027-01-01", kDown), std::pair(Kind::DaysLeft, qint64(23)));
    EXPECT_EQ(meaning("23", "2027-01-01", std::nullopt), std::pair(Kind::DaysLeft, qint64(23)));
    EXPECT_EQ(meaning("-27926", "1950-08-15", kDown), std::pair(Kind::DaysAgo, qint64(27926)));
    EXPECT_EQ(meaning("1030", "2024-02-14", kUp), std::pair(Kind::DayNumber, qint64(1030)));
    // A count-up whose date is ahead shows the days still to go.
    EXPECT_EQ(meaning("9", "2026-12-19", kUp), std::pair(Kind::DaysLeft, qint64(9)));
    EXPECT_EQ(meaning("00", "2026-12-19", kDown).first, Kind::Unknown);
    EXPECT_EQ(meaning("9999-99-99", "9999-99-99", kDown).first, Kind::Unknown);
}

TEST_F(CountWordsTest, ThePageTextTellsTitleWholeDateAndCount)
{
    EXPECT_EQ(CountWords::pageText(QStringLiteral("New Year"), QStringLiteral("2027-01-01"), kDown),
              QStringLiteral("New Year, January 1, 2027, 23 days left"));
    EXPECT_EQ(CountWords::pageText(QStringLiteral("Tomorrow"), QStringLiteral("2026-12-10"), kDown),
              QStringLiteral("Tomorrow, December 10, 2026, 1 day left"));
    EXPECT_EQ(CountWords::pageText(QStringLiteral("Exam"), QStringLiteral("2026-12-09"), kDown),
              QStringLiteral("Exam, December 9, 2026, today"));
    EXPECT_EQ(CountWords::pageText(QStringLiteral("Trip"), QStringLiteral("2026-11-27"), kDown),
              QStringLiteral("Trip, November 27, 2026, 12 days ago"));
    EXPECT_EQ(CountWords::pageText(QStringLiteral("Liberation"), QStringLiteral("1950-08-15"), kDown),
              QStringLiteral("Liberation, August 15, 1950, 27,875 days ago"));
    EXPECT_EQ(CountWords::pageText(QStringLiteral("Together"), QStringLiteral("2024-02-14"), kUp),
              QStringLiteral("Together, day 1,030 since February 14, 2024"));
    // Title text is never read as a place for another text.
    EXPECT_EQ(CountWords::pageText(QStringLiteral("%2 and %1"), QStringLiteral("2026-12-10"), kDown),
              QStringLiteral("%2 and %1, December 10, 2026, 1 day left"));
}

TEST_F(CountWordsTest, ThePageTextIsInThePersonsLanguageAndPlural)
{
    struct Expected
    {
        const char *locale;
        const char *title;
        const char *tomorrow;     // counting down, 1 day left
        const char *twelveAgo;    // counting down, 12 days after
        const char *dayNumber;    // counting up, day 1,030
    };
    const Expected expected[] = {
        {"de_DE", "Reise", "Reise, 10. Dezember 2026, noch 1 Tag", "Reise, 27. November 2026, vor 12 Tagen",
         "Reise, Tag 1.030 seit dem 14. Februar 2024"},
        {"ru_RU", "Поездка", "Поездка, 10 декабря 2026\u202Fг., остался 1 день",
         "Поездка, 27 ноября 2026\u202Fг., 12 дней назад", "Поездка, день 1\u00A0030 с 14 февраля 2024\u202Fг."},
        {"pl_PL", "Wyjazd", "Wyjazd, 10 grudnia 2026, został 1 dzień", "Wyjazd, 27 listopada 2026, 12 dni temu",
         "Wyjazd, dzień 1030 od 14 lutego 2024"},
        {"ar_EG", "رحلة", "رحلة، ١٠ ديسمبر ٢٠٢٦، بقي يوم واحد", "رحلة، ٢٧ نوفمبر ٢٠٢٦، منذ ١٢ يومًا",
         "رحلة، اليوم ١٬٠٣٠ منذ ١٤ فبراير ٢٠٢٤"},
        {"ko_KR", "여행", "여행, 2026년 12월 10일, 1일 남음", "여행, 2026년 11월 27일, 12일 지남",
         "여행, 2024년 2월 14일부터 1,030일째"},
    };
    for (const Expected &e : expected) {
        ScopedLocale scoped{QLatin1String(e.locale)};
        const QString title = QString::fromUtf8(e.title);
        EXPECT_EQ(CountWords::pageText(title, QStringLiteral("2026-12-10"), kDown), QString::fromUtf8(e.tomorrow)) << e.locale;
        EXPECT_EQ(CountWords::pageText(title, QStringLiteral("2026-11-27"), kDown), QString::fromUtf8(e.twelveAgo)) << e.locale;
        EXPECT_EQ(CountWords::pageText(title, QStringLiteral("2024-02-14"), kUp), QString::fromUtf8(e.dayNumber)) << e.locale;
    }
}
