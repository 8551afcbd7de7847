#pragma once

namespace platform {
class SystemInfo;
}

// Whether the Windows version the program behaves as is major.minor or later.
// 5.1 is XP, 6.0 Vista, 6.1 7, 6.2 8, 10.0 10.
bool IsWindowsVersionOrGreater(platform::SystemInfo& system, unsigned short major,
                               unsigned short minor);
