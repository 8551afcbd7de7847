#include "platform/SteadyClock.h"

#include <ctime>

namespace platform {

uint32_t SteadyClock::tickCount()
{
    // Monotonic so that setting the system time never makes the frost think
    // the user has been away; truncation gives the 49.7-day wrap the idle
    // arithmetic expects.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t ms =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

int64_t SteadyClock::unixTime()
{
    return static_cast<int64_t>(std::time(nullptr));
}

int SteadyClock::localHour()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local))
        return 0;
    return local.tm_hour;
}

} // namespace platform
