#pragma once

#include "platform/Scheduler.h"

#include <deque>
#include <map>
#include <mutex>
#include <utility>

class FakeClock;

// Timers on a virtual clock: advance() fires every timer that falls due, in
// time order, with the same rules as the real scheduler.
class FakeScheduler final : public platform::Scheduler {
public:
    explicit FakeScheduler(FakeClock& clock) : m_clock(clock) {}

    TimerId setTimer(const void* owner, TimerId id, uint32_t periodMs,
                     TimerCallback onTick) override;
    bool killTimer(const void* owner, TimerId id) override;
    void killAllTimers(const void* owner) override;
    // Keeps the function for drainPosted(); callable from any thread.
    void post(std::function<void()> onUiThread) override;

    // Moves the clock on by ms, firing due timers on the way.
    void advance(uint32_t ms);
    // Runs the posted functions, including those they post; returns how many ran.
    size_t drainPosted();

    bool isRunning(const void* owner, TimerId id) const;
    // The effective period of a running timer, 0 when none runs.
    uint32_t periodOf(const void* owner, TimerId id) const;
    size_t timerCount() const { return m_timers.size(); }

private:
    struct Timer {
        uint32_t period;
        uint64_t due;
        TimerCallback onTick;
    };
    using Key = std::pair<const void*, TimerId>;

    FakeClock& m_clock;
    uint64_t m_now = 0;
    TimerId m_nextThreadTimerId = 1;
    std::map<Key, Timer> m_timers;
    std::mutex m_postedMutex;
    std::deque<std::function<void()>> m_posted;
};
