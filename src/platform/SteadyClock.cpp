#include "platform/SteadyClock.h"

#include <ctime>

namespace platform {

uint32_t SteadyClock::tickCount()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t ms = uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

int64_t SteadyClock::unixTime()
{
    return static_cast<int64_t>(std::time(nullptr));
}

} // namespace platform
