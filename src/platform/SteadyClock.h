#pragma once

#include "platform/Clock.h"

namespace platform {

// The system's clocks: a monotonic millisecond tick that wraps like the
// Windows tick count, wall-clock seconds and the local hour.
class SteadyClock final : public Clock {
public:
    uint32_t tickCount() override;
    int64_t unixTime() override;
    int localHour() override;
};

} // namespace platform
