#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Timers on the UI thread, with the rules the decorations were tuned for:
// periods below 10 ms run at 10 ms, and arming a timer whose id is already
// running replaces it (and restarts its period).
class Scheduler {
public:
    using TimerId = uintptr_t;
    using TimerCallback = std::function<void(TimerId)>;

    static constexpr uint32_t kMinimumPeriodMs = 10;

    virtual ~Scheduler() = default;

    // A window timer (owner set) keeps the given id and returns it. A thread
    // timer (owner null) keeps the id only when a thread timer with that id
    // runs; for 0 or an unknown id it gets a new non-zero id, which it returns.
    virtual TimerId setTimer(const void* owner, TimerId id, uint32_t periodMs,
                             TimerCallback onTick) = 0;
    // False when no such timer runs.
    virtual bool killTimer(const void* owner, TimerId id) = 0;
    // Stops every timer of a window (the window is being destroyed).
    virtual void killAllTimers(const void* owner) = 0;
    // Runs a function on the UI thread soon, after the events already
    // waiting; callable from any thread.
    virtual void post(std::function<void()> onUiThread) = 0;
};

} // namespace platform
