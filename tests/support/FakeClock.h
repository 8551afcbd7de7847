#pragma once

#include "platform/Clock.h"

#include <atomic>

// Time that moves only when a test moves it. Readable from any thread, as the
// update check's worker reads it. Local time is the UTC time shifted by an
// offset the test sets, as a time zone would, daylight saving time included.
class FakeClock final : public platform::Clock {
public:
    uint32_t tickCount() override { return m_tick; }
    int64_t unixTime() override { return m_unixTime + m_elapsedMs / 1000; }
    std::tm localTime(int64_t unixTime) override
    {
        const int offset = unixTime >= m_changeAt ? m_changedOffset : m_utcOffset;
        const time_t local = static_cast<time_t>(unixTime + offset);
        std::tm fields{};
        gmtime_r(&local, &fields);
        return fields;
    }

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
    // Seconds local time is ahead of UTC.
    void setUtcOffset(int seconds)
    {
        m_utcOffset = seconds;
        m_changeAt = INT64_MAX;
    }
    // From that moment on local time is `seconds` ahead of UTC, as when
    // daylight saving time begins or ends.
    void changeUtcOffsetAt(int64_t unixTime, int seconds)
    {
        m_changeAt = unixTime;
        m_changedOffset = seconds;
    }

private:
    std::atomic<uint32_t> m_tick = 1000;
    std::atomic<int64_t> m_unixTime = 1'796'000'000; // a December evening, UTC
    std::atomic<int64_t> m_elapsedMs = 0;
    std::atomic<int> m_utcOffset = 0;
    std::atomic<int64_t> m_changeAt = INT64_MAX;
    std::atomic<int> m_changedOffset = 0;
};
