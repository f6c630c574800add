#include <home/timechangewatch.h>

#include <support/testenvironment.h>

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TimeChangeWatch, NoticesANewTz)
{
    ScopedTimeZone seoul("Asia/Seoul");
    TimeChangeWatch watch;
    EXPECT_FALSE(watch.check());
    {
        ScopedTimeZone paris("Europe/Paris");
        EXPECT_TRUE(watch.check());
        // Seen once; the new zone is what later checks compare with.
        EXPECT_FALSE(watch.check());
    }
    EXPECT_TRUE(watch.check());
}

TEST(TimeChangeWatch, NoticesANewSystemZoneFileWhenTzIsUnset)
{
    ScopedTimeZone unset(nullptr);
    QTemporaryDir dir;
    const QString zoneFile = dir.path() + QStringLiteral("/localtime");
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/share/zoneinfo/Asia/Seoul"), zoneFile));
    TimeChangeWatch watch(zoneFile);
    EXPECT_FALSE(watch.check());

    ASSERT_TRUE(QFile::remove(zoneFile));
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/share/zoneinfo/Europe/Paris"), zoneFile));
    EXPECT_TRUE(watch.check());
    EXPECT_FALSE(watch.check());
}

TEST(TimeChangeWatch, NoticesAWallClockJumpButNotASmallStep)
{
    FixedClock clock(localTime(2024, 5, 1, 9));
    TimeChangeWatch watch;
    clock.set(localTime(2024, 5, 1, 9, 0, 5));
    EXPECT_FALSE(watch.check());
    clock.set(localTime(2024, 5, 1, 11));
    EXPECT_TRUE(watch.check());
    clock.set(localTime(2024, 4, 30, 11));
    EXPECT_TRUE(watch.check());
    EXPECT_FALSE(watch.check());
}
