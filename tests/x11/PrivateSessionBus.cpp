#include "PrivateSessionBus.h"

#include <QStandardPaths>

PrivateSessionBus::PrivateSessionBus()
{
    if (!installed())
        return;
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    // The daemon prints its address once it accepts connections.
    QByteArray output;
    while (!output.contains('\n') && m_daemon.waitForReadyRead(5000))
        output += m_daemon.readAllStandardOutput();
    m_address = QString::fromUtf8(output).section(QLatin1Char('\n'), 0, 0).trimmed();
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return;
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000)) {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
}

bool PrivateSessionBus::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty();
}
