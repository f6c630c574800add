#include "hometesting.h"

#include <home/midnighttimer.h>

#include <support/testenvironment.h>

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr qint64 kHourMs = 60 * 60 * 1000;

} // namespace

TEST(MidnightTimer, NextMidnightFollowsDaylightSavingChangesInNewYork)
{
    ScopedTimeZone zone("America/New_York");

    // The night before the clocks go forward: 30 minutes to midnight.
    const QDateTime lateEvening = localTime(2024, 3, 9, 23, 30);
    EXPECT_EQ(MidnightTimer::nextMidnightAfter(lateEvening), localTime(2024, 3, 10));
    EXPECT_EQ(lateEvening.msecsTo(MidnightTimer::nextMidnightAfter(lateEvening)), kHourMs / 2);

    // The day they go forward has 23 hours; midnight itself waits for the next one.
    const QDateTime springDay = localTime(2024, 3, 10);
    EXPECT_EQ(MidnightTimer::nextMidnightAfter(springDay), localTime(2024, 3, 11));
    EXPECT_EQ(springDay.msecsTo(MidnightTimer::nextMidnightAfter(springDay)), 23 * kHourMs);
    EXPECT_EQ(localTime(2024, 3, 10, 12).msecsTo(MidnightTimer::nextMidnightAfter(localTime(2024, 3, 10, 12))), 12 * kHourMs);

    // The day they go back has 25.
    const QDateTime fallDay = localTime(2024, 11, 3, 0, 30);
    EXPECT_EQ(MidnightTimer::nextMidnightAfter(fallDay), localTime(2024, 11, 4));
    EXPECT_EQ(fallDay.msecsTo(MidnightTimer::nextMidnightAfter(fallDay)), 24 * kHourMs + kHourMs / 2);
}

TEST(MidnightTimer, ADayWithoutMidnightStartsAtItsFirstMoment)
{
    // In Santiago the clocks jump from 24:00 to 01:00 on 8 September 2024.
    ScopedTimeZone zone("America/Santiago");
    const QDateTime next = MidnightTimer::nextMidnightAfter(localTime(2024, 9, 7, 12));
    EXPECT_EQ(next.date(), QDate(2024, 9, 8));
    EXPECT_EQ(next.time(), QTime(1, 0));
    EXPECT_EQ(localTime(2024, 9, 7, 12).msecsTo(next), 12 * kHourMs);
}

TEST(MidnightTimer, SignalsOnceWhenTheDayChanges)
{
    ScopedTimeZone zone("America/New_York");
    FixedClock clock(localTime(2024, 3, 9, 23, 59));
    MidnightTimer timer;
    QSignalSpy midnight(&timer, &MidnightTimer::midnight);

    timer.poll(); // not started: nothing to compare with
    EXPECT_EQ(midnight.count(), 0);
    EXPECT_FALSE(timer.nextFire().isValid());

    timer.start();
    EXPECT_EQ(timer.nextFire(), localTime(2024, 3, 10));
    timer.poll();
    EXPECT_EQ(midnight.count(), 0);

    clock.set(localTime(2024, 3, 10, 0, 0, 1));
    timer.poll();
    EXPECT_EQ(midnight.count(), 1);
    EXPECT_EQ(timer.nextFire(), localTime(2024, 3, 11));
    timer.poll();
    EXPECT_EQ(midnight.count(), 1);

    // A clock set back to yesterday is another day as well.
    clock.set(localTime(2024, 3, 9, 22));
    timer.poll();
    EXPECT_EQ(midnight.count(), 2);
    EXPECT_EQ(timer.nextFire(), localTime(2024, 3, 10));

    timer.stop();
    clock.set(localTime(2024, 3, 12));
    timer.poll();
    EXPECT_EQ(midnight.count(), 2);
}

TEST(MidnightTimer, ItsOwnTimerFiresAtMidnight)
{
    ScopedTimeZone zone("America/New_York");
    // 50 ms before midnight, so its timer is due almost at once.
    FixedClock clock(localTime(2024, 3, 9, 23, 59, 59).addMSecs(950));
    MidnightTimer timer;
    QSignalSpy midnight(&timer, &MidnightTimer::midnight);
    timer.start();
    clock.set(localTime(2024, 3, 10, 0, 0, 1));
    EXPECT_TRUE(midnight.wait(5000));
}
