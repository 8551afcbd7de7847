#include "core/WindowsVersion.h"

#include "platform/SystemInfo.h"

bool IsWindowsVersionOrGreater(platform::SystemInfo& system, unsigned short major,
                               unsigned short minor)
{
    return system.versionAtLeast(major, minor);
}
