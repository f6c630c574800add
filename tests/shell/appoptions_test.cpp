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
    EXPECT_FALSE(options.verbose);
    EXPECT_FALSE(AppOptions::parse({}).screenshot());

    // The same with the values joined to their options.
    const AppOptions joined = AppOptions::parse({QStringLiteral("--screenshot=/tmp/b.png"), QStringLiteral("--now=2026-12-08T09:00:00"),
                                                 QStringLiteral("--verbose")});
    EXPECT_TRUE(joined.error.isEmpty()) << joined.error.toStdString();
    EXPECT_EQ(joined.screenshotPath, QStringLiteral("/tmp/b.png"));
    EXPECT_EQ(joined.now, QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
    EXPECT_TRUE(joined.verbose);
    EXPECT_TRUE(joined.link.isEmpty());
}

TEST(AppOptions, HelpAndVersionEndTheReading)
{
    for (const QStringList &line : QList<QStringList>{{QStringLiteral("-h")},
                                                      {QStringLiteral("--help")},
                                                      {QStringLiteral("tallowick://open?pageNumber=1"), QStringLiteral("-h")},
                                                      {QStringLiteral("--help"), QStringLiteral("--fullscreen"), QStringLiteral("a"), QStringLiteral("b")}}) {
        const AppOptions options = AppOptions::parse(line);
        EXPECT_TRUE(options.help) << line.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(options.error.isEmpty()) << line.join(QLatin1Char(' ')).toStdString();
    }
    const AppOptions version = AppOptions::parse({QStringLiteral("--version"), QStringLiteral("--nonsense")});
    EXPECT_TRUE(version.version);
    EXPECT_FALSE(version.help);
    EXPECT_TRUE(version.error.isEmpty());
    // A file may be called "-h": it is --screenshot's value, not a request for help.
    const AppOptions file = AppOptions::parse({QStringLiteral("--screenshot"), QStringLiteral("-h")});
    EXPECT_FALSE(file.help);
    EXPECT_EQ(file.screenshotPath, QStringLiteral("-h"));
}

TEST(AppOptions, RefusesWhatItCannotRead)
{
    for (const QStringList &bad : QList<QStringList>{{QStringLiteral("--screenshot")},
                                                     {QStringLiteral("--screenshot=")},
                                                     {QStringLiteral("--now"), QStringLiteral("noon")},
                                                     {QStringLiteral("--fullscreen")},
                                                     {QStringLiteral("--help=yes")},
                                                     {QStringLiteral("--verbose=1")},
                                                     {QStringLiteral("a://x?p=1"), QStringLiteral("b://y?p=2")}})
        EXPECT_FALSE(AppOptions::parse(bad).error.isEmpty()) << bad.join(QLatin1Char(' ')).toStdString();
}

TEST(AppOptions, NothingStartingWithADashIsTakenForALink)
{
    for (const QString &word : {QStringLiteral("-x"), QStringLiteral("-"), QStringLiteral("--"), QStringLiteral("-1"),
                                QStringLiteral("-tallowick://open?pageNumber=1")}) {
        const AppOptions options = AppOptions::parse({word});
        EXPECT_TRUE(options.link.isEmpty()) << word.toStdString();
        EXPECT_EQ(options.error, QStringLiteral("unknown option %1").arg(word)) << word.toStdString();
    }
}
