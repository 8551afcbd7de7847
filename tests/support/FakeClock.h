#pragma once

#include "platform/Clock.h"

#include <atomic>

// Time that moves only when a test moves it. Readable from any thread, as the
// update check's worker reads it.
class FakeClock final : public platform::Clock {
public:
    uint32_t tickCount() override { return m_tick; }
    int64_t unixTime() override { return m_unixTime + m_elapsedMs / 1000; }

    void advance(uint32_t ms)
    {
        m_tick += ms;
        m_elapsedMs += ms;
    }
    void setTick(uint32_t tick) { m_tick = tick; }
    // Sets the calendar time, in seconds since 1970, as a user setting the
    // clock would; the tick count goes on.
    void setUnixTime(int64_t seconds)
    {
        m_unixTime = seconds;
        m_elapsedMs = 0;
    }

private:
    std::atomic<uint32_t> m_tick = 1000;
    std::atomic<int64_t> m_unixTime = 1'796'000'000; // a December evening, UTC
    std::atomic<int64_t> m_elapsedMs = 0;
};
