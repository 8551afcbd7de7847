#include "core/WindowsVersion.h"

#include "platform/Platform.h"
#include "platform/SystemInfo.h"

bool IsWindowsVersionOrGreater(unsigned short major, unsigned short minor)
{
    platform::SystemInfo* system = platform::Platform::current().system;
    return system && system->versionAtLeast(major, minor);
}
