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

std::tm SteadyClock::localTime(int64_t unixTime)
{
    const time_t moment = static_cast<time_t>(unixTime);
    std::tm local{};
    // Read again each time, so a time zone the user changes while the
    // program runs is followed as a clock set to another hour would be.
    tzset();
    localtime_r(&moment, &local);
    return local;
}

} // namespace platform
