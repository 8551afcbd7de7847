#include "platform/QtScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// Runs the event loop until the condition holds or the time is up.
bool processUntil(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition() && elapsed.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return condition();
}

// Timers of no window get fresh ids unless their id runs; a window's keep
// theirs and die with it.
TEST(QtScheduler, TimerIdsFollowTheirOwner)
{
    platform::QtScheduler scheduler;
    const auto first = scheduler.setTimer(nullptr, 0, 1000, [](auto) {});
    const auto second = scheduler.setTimer(nullptr, 12345, 1000, [](auto) {});
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 12345u);
    EXPECT_NE(second, first);
    EXPECT_EQ(scheduler.setTimer(nullptr, first, 500, [](auto) {}), first);
    EXPECT_TRUE(scheduler.killTimer(nullptr, first));
    EXPECT_FALSE(scheduler.killTimer(nullptr, first));
    int window = 0;
    EXPECT_EQ(scheduler.setTimer(&window, 2, 20, [](auto) {}), 2u);
    scheduler.killAllTimers(&window);
    EXPECT_FALSE(scheduler.killTimer(&window, 2));
}

// Setting a running timer again replaces its callback, no period is shorter
// than 10 ms, and a timer may kill itself from its callback.
TEST(QtScheduler, ReArmingReplacesTheCallbackAndPeriodsHaveATenMillisecondFloor)
{
    platform::QtScheduler scheduler;
    int window = 0;
    std::vector<int> calls;
    scheduler.setTimer(&window, 7, 1, [&](auto) { calls.push_back(1); });
    QElapsedTimer elapsed;
    elapsed.start();
    scheduler.setTimer(&window, 7, 1, [&](auto id) {
        calls.push_back(2);
        if (calls.size() == 5)
            scheduler.killTimer(&window, id);
    });
    ASSERT_TRUE(processUntil([&] { return calls.size() >= 5; }));
    EXPECT_GE(elapsed.elapsed(), 48);
    processUntil([] { return false; }, 50);
    EXPECT_EQ(calls, std::vector<int>(5, 2));
}

TEST(QtScheduler, PostedWorkRunsOnTheUiThreadFromAnyThread)
{
    platform::QtScheduler scheduler;
    bool ran = false;
    std::thread worker(
        [&] { scheduler.post([&] { ran = QThread::currentThread() == qApp->thread(); }); });
    worker.join();
    EXPECT_TRUE(processUntil([&] { return ran; }));
}

} // namespace
