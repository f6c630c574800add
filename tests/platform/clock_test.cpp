#include <platform/clock.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(Clock, StartedAtAnotherTimeItRunsOnFromThereAndFixedItStays)
{
    const QDateTime start(QDate(2026, 12, 10), QTime(9, 59, 50));
    Clock::startAt(start);
    EXPECT_FALSE(Clock::isFixed());
    EXPECT_FALSE(Clock::isSystemTime());
    const qint64 first = Clock::nowMs();
    EXPECT_GE(first, start.toMSecsSinceEpoch());
    EXPECT_LT(first, start.toMSecsSinceEpoch() + 5000);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_GE(Clock::nowMs(), first + 30);

    Clock::setFixed(start);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_EQ(Clock::now(), start);
    EXPECT_TRUE(Clock::isFixed());

    Clock::useSystemTime();
    EXPECT_TRUE(Clock::isSystemTime());
    EXPECT_LT(std::abs(Clock::nowMs() - QDateTime::currentMSecsSinceEpoch()), 1000);
}
