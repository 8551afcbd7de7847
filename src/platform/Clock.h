#pragma once

#include <cstdint>

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
};

} // namespace platform
