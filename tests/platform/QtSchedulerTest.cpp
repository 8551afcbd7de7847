#include "platform/QtScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// Runs the event loop until the condition holds or ten seconds pass.
bool processUntil(const std::function<bool()>& condition)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition() && elapsed.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return condition();
}

TEST(QtScheduler, ThreadTimersGetFreshIdsUnlessTheirIdRuns)
{
    platform::QtScheduler scheduler;
    const auto first = scheduler.setTimer(nullptr, 0, 1000, [](auto) {});
    EXPECT_NE(first, 0u);
    const auto second = scheduler.setTimer(nullptr, 12345, 1000, [](auto) {});
    EXPECT_NE(second, 12345u);
    EXPECT_NE(second, first);
    EXPECT_EQ(scheduler.setTimer(nullptr, first, 500, [](auto) {}), first);
    EXPECT_TRUE(scheduler.killTimer(nullptr, first));
    EXPECT_FALSE(scheduler.killTimer(nullptr, first));
}

TEST(QtScheduler, WindowTimersKeepTheirIdAndDieWithTheWindow)
{
    platform::QtScheduler scheduler;
    int window = 0;
    EXPECT_EQ(scheduler.setTimer(&window, 1, 20, [](auto) {}), 1u);
    EXPECT_EQ(scheduler.setTimer(&window, 2, 20, [](auto) {}), 2u);
    scheduler.killAllTimers(&window);
    EXPECT_FALSE(scheduler.killTimer(&window, 1));
    EXPECT_FALSE(scheduler.killTimer(&window, 2));
}

TEST(QtScheduler, ReArmingReplacesTheCallbackAndATimerMayKillItself)
{
    platform::QtScheduler scheduler;
    int window = 0;
    std::vector<int> calls;
    scheduler.setTimer(&window, 7, 1, [&](auto) { calls.push_back(1); });
    scheduler.setTimer(&window, 7, 1, [&](auto id) {
        calls.push_back(2);
        scheduler.killTimer(&window, id);
    });
    ASSERT_TRUE(processUntil([&] { return !calls.empty(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, std::vector<int>{2});
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
