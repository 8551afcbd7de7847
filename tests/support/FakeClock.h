#pragma once

#include "platform/Clock.h"

// Time that moves only when a test moves it.
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

private:
    uint32_t m_tick = 1000;
    int64_t m_unixTime = 1'796'000'000; // a December evening, UTC
    int64_t m_elapsedMs = 0;
};
