#include "platform/SteadyClock.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <gtest/gtest.h>

TEST(SteadyClock, TickFollowsElapsedTime)
{
    platform::SteadyClock clock;
    QElapsedTimer elapsed;
    elapsed.start();
    const uint32_t first = clock.tickCount();
    while (elapsed.elapsed() < 50) {
    }
    const uint32_t later = clock.tickCount();
    EXPECT_GE(later - first, 49u);
    EXPECT_LE(later - first, 1000u);
}

TEST(SteadyClock, WallClockAndHourMatchTheSystem)
{
    platform::SteadyClock clock;
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const int hourBefore = QDateTime::currentDateTime().time().hour();
    const int64_t unixTime = clock.unixTime();
    const int hour = clock.localHour();
    const int hourAfter = QDateTime::currentDateTime().time().hour();
    const qint64 after = QDateTime::currentSecsSinceEpoch();

    EXPECT_GE(unixTime, before);
    EXPECT_LE(unixTime, after);
    EXPECT_TRUE(hour == hourBefore || hour == hourAfter) << hour;
}
