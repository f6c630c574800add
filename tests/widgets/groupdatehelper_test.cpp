#include <model/calendarhelper.h>
#include <support/testenvironment.h>
#include <widgets/groupdatehelper.h>

#include <gtest/gtest.h>

namespace {

const char *const kDates[] = {"2026-12-08", "2026-12-09", "2026-12-18", "2026-12-07", "1990-03-01",
                              "2026-12-09T09:00:00+0900", "December 20, 2026", "none", ""};

} // namespace

TEST(GroupDateHelper, CountsAsTheAppCounts)
{
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 10, 0, 30)};
    const GroupDateHelper helper;

    EXPECT_EQ(helper.getDayCount(QStringLiteral("2026-12-18"), true), QStringLiteral("10"));
    EXPECT_EQ(helper.getDayCount(QStringLiteral("2026-12-18"), false), QStringLiteral("9"));
    EXPECT_EQ(helper.getDayCount(QStringLiteral("2026-12-08"), true), QStringLiteral("YAY!"));
    EXPECT_EQ(helper.getDayCount(QStringLiteral("2026-12-07"), true), QStringLiteral("-1"));
    for (const char *date : kDates) {
        for (const bool countdown : {true, false}) {
            EXPECT_EQ(helper.getDayCount(QLatin1String(date), countdown),
                      CalendarHelper::getDayCount(QLatin1String(date), countdown))
                << date << " " << countdown;
        }
    }
}

TEST(GroupDateHelper, ShowsDatesAsTheAppShowsThem)
{
    ScopedTimeZone zone{"Asia/Seoul"};
    const GroupDateHelper helper;
    const std::pair<const char *, const char *> expected[] = {
        {"en_US", "1.May.24"}, {"ko_KR", "2024년 5월 1일"}, {"ja_JP", "2024年 5月 1日"}, {"zh_CN", "2024年 5月 1日"}};
    for (const auto &[name, text] : expected) {
        ScopedLocale locale{QLatin1String(name)};
        EXPECT_EQ(helper.getRightDateFormat(QStringLiteral("2024-05-01")), QString::fromUtf8(text)) << name;
        for (const char *date : kDates)
            EXPECT_EQ(helper.getRightDateFormat(QLatin1String(date)), CalendarHelper::getRightDateFormat(QLatin1String(date)));
    }
}
