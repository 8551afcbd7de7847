#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A home of its own for the program a test runs in its own process: other
// test programs run the program at the same time, and one copy per user is
// all the program allows. Sets the configuration and runtime folders for as
// long as it lives, then puts the environment back.
class PrivateHome final {
public:
    PrivateHome()
        : m_savedConfig(qgetenv("XDG_CONFIG_HOME")), m_savedRuntime(qgetenv("XDG_RUNTIME_DIR"))
    {
        const QString runtime = m_dir.path() + "/run";
        QDir().mkpath(runtime);
        // Qt wants the runtime folder private to the user.
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    ~PrivateHome()
    {
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("XDG_RUNTIME_DIR", m_savedRuntime);
    }
    PrivateHome(const PrivateHome&) = delete;
    PrivateHome& operator=(const PrivateHome&) = delete;

    // The program's settings file in this home, as the test writes it before
    // a start and reads it after.
    bool writeSettings(const QByteArray& xml) const
    {
        QDir().mkpath(m_dir.path() + "/Varnel/Yulavin");
        QFile file(settingsPath());
        return file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size();
    }
    QByteArray settings() const
    {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString settingsPath() const { return m_dir.path() + "/Varnel/Yulavin/settings.xml"; }

    QTemporaryDir m_dir;
    QByteArray m_savedConfig;
    QByteArray m_savedRuntime;
};
