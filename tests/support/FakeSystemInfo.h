#pragma once

#include "platform/SystemInfo.h"

#include <stdexcept>
#include <utility>

// A system whose folders live in a test's temporary folder and whose Windows
// version a test chooses.
class FakeSystemInfo final : public platform::SystemInfo {
public:
    // What exitNow throws in place of ending the test program.
    struct ExitCalled : std::runtime_error {
        explicit ExitCalled(int exitCode) : std::runtime_error("exitNow"), code(exitCode) {}
        int code;
    };

    bool versionAtLeast(int major, int minor) override
    {
        return std::pair{m_major, m_minor} >= std::pair{major, minor};
    }
    QString programPath() override { return m_programPath; }
    QString expandEnvironment(const QString& text) override
    {
        QString result = text;
        result.replace(QStringLiteral("%APPDATA%"), m_appData, Qt::CaseInsensitive);
        result.replace(QStringLiteral("%windir%"), m_windowsDir, Qt::CaseInsensitive);
        return result;
    }
    QString runtimeDir() override { return m_runtimeDir; }
    bool isAdministrator() override { return m_administrator; }
    [[noreturn]] void exitNow(int code) override { throw ExitCalled(code); }

    void setVersion(int major, int minor)
    {
        m_major = major;
        m_minor = minor;
    }

    QString m_programPath;
    QString m_appData;
    QString m_windowsDir;
    QString m_runtimeDir;
    bool m_administrator = false;

private:
    int m_major = 10;
    int m_minor = 0;
};
