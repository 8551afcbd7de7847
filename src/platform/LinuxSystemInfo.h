#pragma once

#include "platform/SystemInfo.h"

namespace platform {

// The real system. The Windows version the program should behave as comes
// from YULAVIN_WINDOWS_VERSION ("5.1", "6.0", "6.1", "6.2", "10.0"...), 10.0 by
// default; %APPDATA% is the XDG configuration folder, %windir% the emulated
// Windows folder in the XDG data folder; root is the administrator.
class LinuxSystemInfo final : public SystemInfo {
public:
    LinuxSystemInfo();

    bool versionAtLeast(int major, int minor) override;
    QString programPath() override;
    QString expandEnvironment(const QString& text) override;
    QString runtimeDir() override;
    bool isAdministrator() override;
    [[noreturn]] void exitNow(int code) override;

    // Parses "major.minor"; falls back to 10.0 for anything else.
    static std::pair<int, int> parseVersion(const QString& text);

private:
    std::pair<int, int> m_version;
};

} // namespace platform
