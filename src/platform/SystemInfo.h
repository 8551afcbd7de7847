#pragma once

#include <QString>

#include <cstdint>
#include <utility>

namespace platform {

// Facts about the running system and the program's own files. The program
// was designed for Windows; the Windows-only facts are emulated here.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;

    // Whether the emulated Windows version is major.minor or later (10.0 unless
    // overridden), compared major first, then minor.
    virtual bool versionAtLeast(int major, int minor) = 0;
    // Full path of the running program.
    virtual QString programPath() = 0;
    // Expands %APPDATA% (the user's configuration folder) and %windir% (the
    // emulated Windows folder, in the user's data folder) and any other %NAME%
    // from the environment; an unknown name stays as written.
    virtual QString expandEnvironment(const QString& text) = 0;
    // Per-user folder for run-time locks.
    virtual QString runtimeDir() = 0;
    // Whether the program runs with administrator rights: as root.
    virtual bool isAdministrator() = 0;
    // Ends the process at once with that exit code: no clean-up, no saving.
    [[noreturn]] virtual void exitNow(int code) = 0;
};

} // namespace platform
