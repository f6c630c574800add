#include <shell/appoptions.h>

#include <gtest/gtest.h>

TEST(AppOptions, ReadsTheScreenshotTheClockAndOneLink)
{
    const AppOptions options = AppOptions::parse({QStringLiteral("--screenshot"), QStringLiteral("/tmp/a.png"),
                                                  QStringLiteral("--now"), QStringLiteral("2026-12-08T09:00:00"),
                                                  QStringLiteral("tallowick://open?pageNumber=2")});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_TRUE(options.screenshot());
    EXPECT_EQ(options.screenshotPath, QStringLiteral("/tmp/a.png"));
    EXPECT_EQ(options.link, QStringLiteral("tallowick://open?pageNumber=2"));
    EXPECT_EQ(options.now, QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
    EXPECT_FALSE(AppOptions::parse({}).screenshot());
}

TEST(AppOptions, RefusesWhatItCannotRead)
{
    for (const QStringList &bad : QList<QStringList>{{QStringLiteral("--screenshot")},
                                                     {QStringLiteral("--now"), QStringLiteral("noon")},
                                                     {QStringLiteral("--fullscreen")},
                                                     {QStringLiteral("a://x?p=1"), QStringLiteral("b://y?p=2")}})
        EXPECT_FALSE(AppOptions::parse(bad).error.isEmpty()) << bad.join(QLatin1Char(' ')).toStdString();
}
