#include "platform/LinuxPlatform.h"

#include "platform/FileRegistry.h"
#include "platform/LinuxSystemInfo.h"
#include "platform/QtDialogs.h"
#include "platform/QtHttp.h"
#include "platform/QtScheduler.h"
#include "platform/QtShell.h"
#include "platform/QtTray.h"
#include "platform/QtWindowSystem.h"
#include "platform/SteadyClock.h"
#include "platform/X11Desktop.h"

namespace platform {

LinuxPlatform::LinuxPlatform()
    : m_clock(std::make_unique<SteadyClock>()), m_scheduler(std::make_unique<QtScheduler>()),
      m_system(std::make_unique<LinuxSystemInfo>()), m_dialogs(std::make_unique<QtDialogs>()),
      m_desktop(std::make_unique<X11Desktop>(*m_clock)), m_shell(std::make_unique<QtShell>()),
      m_http(std::make_unique<QtHttp>()), m_tray(std::make_unique<QtTray>()),
      m_windows(std::make_unique<QtWindowSystem>())
{
    const QString config = m_system->expandEnvironment(QStringLiteral("%APPDATA%"));
    m_registry =
        std::make_unique<FileRegistry>(config + QStringLiteral("/Varnel/Yulavin/registry.ini"),
                                       config + QStringLiteral("/autostart"));
    Platform& services = m_services;
    services.clock = m_clock.get();
    services.scheduler = m_scheduler.get();
    services.system = m_system.get();
    services.registry = m_registry.get();
    services.dialogs = m_dialogs.get();
    services.desktop = m_desktop.get();
    services.shell = m_shell.get();
    services.http = m_http.get();
    services.tray = m_tray.get();
    services.windows = m_windows.get();
}

LinuxPlatform::~LinuxPlatform() = default;

} // namespace platform
