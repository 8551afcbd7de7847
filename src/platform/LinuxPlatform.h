#pragma once

#include "platform/Platform.h"

#include <memory>

namespace platform {

class FileRegistry;
class LinuxSystemInfo;
class QtDialogs;
class QtHttp;
class QtScheduler;
class QtShell;
class QtTray;
class QtWindowSystem;
class SteadyClock;
class X11Desktop;

// The real services of a Linux X11 desktop, for the program's run.
class LinuxPlatform final {
public:
    LinuxPlatform();
    ~LinuxPlatform();
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

    // The bundle to hand to the program; valid while this object lives.
    const Platform& services() const { return m_services; }

private:
    std::unique_ptr<SteadyClock> m_clock;
    std::unique_ptr<QtScheduler> m_scheduler;
    std::unique_ptr<LinuxSystemInfo> m_system;
    std::unique_ptr<FileRegistry> m_registry;
    std::unique_ptr<QtDialogs> m_dialogs;
    std::unique_ptr<X11Desktop> m_desktop;
    std::unique_ptr<QtShell> m_shell;
    std::unique_ptr<QtHttp> m_http;
    std::unique_ptr<QtTray> m_tray;
    std::unique_ptr<QtWindowSystem> m_windows;
    Platform m_services;
};

} // namespace platform
