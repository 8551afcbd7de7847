#include "support/FakePlatform.h"

#include "platform/FileRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FakePlatform::FakePlatform()
{
    QDir().mkpath(programDir());
    QDir().mkpath(configDir());
    system.m_programPath = programDir() + QStringLiteral("/yulavin");
    system.m_appData = configDir();
    system.m_windowsDir = m_root.path() + QStringLiteral("/windows");
    system.m_runtimeDir = m_root.path() + QStringLiteral("/run");
    m_registry = std::make_unique<platform::FileRegistry>(
        configDir() + QStringLiteral("/Varnel/Yulavin/registry.ini"),
        configDir() + QStringLiteral("/autostart"));

    platform::Platform& services = m_services;
    services.clock = &clock;
    services.scheduler = &scheduler;
    services.system = &system;
    services.dialogs = &dialogs;
    services.desktop = &desktop;
    services.windows = &windows;
    services.tray = &tray;
    services.shell = &shell;
    services.http = &http;
    services.registry = m_registry.get();
}

FakePlatform::~FakePlatform() = default;

void FakePlatform::writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray FakePlatform::readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
