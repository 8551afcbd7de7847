#pragma once

#include <cstdint>
#include <ctime>

namespace platform {

// Time as the program reads it. Fakeable so timing rules can be tested
// without waiting.
class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start; wraps at 2^32 like the system tick.
    virtual uint32_t tickCount() = 0;
    // Seconds since 1970-01-01 UTC.
    virtual int64_t unixTime() = 0;
    // The user's wall-clock time and date at that moment, in the local time
    // zone with its daylight saving time.
    virtual std::tm localTime(int64_t unixTime) = 0;
};

} // namespace platform
