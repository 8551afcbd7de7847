#pragma once

#include "platform/Clock.h"

namespace platform {

// The system's monotonic and wall clocks, and its time zone.
class SteadyClock final : public Clock {
public:
    uint32_t tickCount() override;
    int64_t unixTime() override;
    std::tm localTime(int64_t unixTime) override;
};

} // namespace platform
