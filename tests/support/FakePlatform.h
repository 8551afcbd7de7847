#pragma once

#include "platform/Platform.h"
#include "support/FakeClock.h"
#include "support/FakeDesktop.h"
#include "support/FakeHttp.h"
#include "support/FakeScheduler.h"
#include "support/FakeSystemInfo.h"
#include "support/FakeTray.h"
#include "support/FakeWindowSystem.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

#include <memory>

namespace platform {
class FileRegistry;
}

// The fake services, with the program's folder, the configuration folder and
// the runtime folder inside a fresh temporary folder. services() hands them
// out.
class FakePlatform final {
public:
    FakePlatform();
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    QString programDir() const { return m_root.path() + QStringLiteral("/program"); }
    QString configDir() const { return m_root.path() + QStringLiteral("/config"); }
    QString settingsPath() const
    {
        return configDir() + QStringLiteral("/Varnel/Yulavin/settings.xml");
    }
    // The autostart entry of the registry's Run value "Yulavin".
    QString autostartPath() const
    {
        return configDir() + QStringLiteral("/autostart/Yulavin.desktop");
    }
    // The registry: the real file-backed one, inside the configuration folder.
    platform::FileRegistry& registry() { return *m_registry; }

    // The bundle to hand to the code under test; valid while this object lives.
    const platform::Platform& services() const { return m_services; }

    // Writes a file, making its folders.
    static void writeFile(const QString& path, const QByteArray& bytes);
    static QByteArray readFile(const QString& path);

    FakeClock clock;
    FakeScheduler scheduler{clock};
    FakeSystemInfo system;
    ScriptedDialogs dialogs;
    FakeDesktop desktop;
    FakeWindowSystem windows;
    FakeTray tray;
    RecordingShell shell;
    FakeHttp http;

private:
    QTemporaryDir m_root;
    std::unique_ptr<platform::FileRegistry> m_registry;
    platform::Platform m_services;
};
