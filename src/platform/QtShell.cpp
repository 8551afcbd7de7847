#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// How long polkit's question may stay open before the program stops waiting.
constexpr qint64 kElevationLimitMs = 5 * 60 * 1000;

// The name the kernel gives a process: its program's file name, cut short.
QByteArray processName(pid_t pid)
{
    QFile file(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().trimmed();
}

} // namespace

QUrl QtShell::targetUrl(const QString& urlOrPath)
{
    if (urlOrPath.isEmpty())
        return QUrl();
    if (urlOrPath.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
        urlOrPath.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
        urlOrPath.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        return QUrl(urlOrPath, QUrl::TolerantMode);
    // A relative path means the working folder, as it does for the program's
    // other file names.
    return QUrl::fromLocalFile(QFileInfo(urlOrPath).absoluteFilePath());
}

bool QtShell::open(const QString& urlOrPath)
{
    const QUrl url = targetUrl(urlOrPath);
    if (!url.isValid())
        return false;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    // The browser decides its own window size; a maximised start cannot be
    // asked for.
    return QDesktopServices::openUrl(url);
}

QStringList QtShell::sessionEnvironment()
{
    QStringList pairs;
    const auto pass = [&pairs](const char* name, const QString& value) {
        if (!value.isEmpty())
            pairs << QLatin1String(name) + QLatin1Char('=') + value;
    };
    pass("DISPLAY", qEnvironmentVariable("DISPLAY"));
    QString xauthority = qEnvironmentVariable("XAUTHORITY");
    const QString homeAuthority = QDir::homePath() + QStringLiteral("/.Xauthority");
    if (xauthority.isEmpty() && QFileInfo::exists(homeAuthority))
        xauthority = homeAuthority;
    pass("XAUTHORITY", xauthority);
    pass("XDG_CONFIG_HOME",
         QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    pass("XDG_DATA_HOME", QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    pass("XDG_RUNTIME_DIR", qEnvironmentVariable("XDG_RUNTIME_DIR"));
    pass("DBUS_SESSION_BUS_ADDRESS", qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"));
    pass("YULAVIN_WINDOWS_VERSION", qEnvironmentVariable("YULAVIN_WINDOWS_VERSION"));
    pass("YULAVIN_SITE_URL", qEnvironmentVariable("YULAVIN_SITE_URL"));
    return pairs;
}

bool QtShell::runElevated(const QString& program)
{
    // env would take a path with "=" for one more variable to set.
    if (program.isEmpty() || program.contains(QLatin1Char('=')))
        return false;
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return false;
    // WORKAROUND: pkexec clears the environment, so the new copy would find
    // neither the display nor the user's settings; env hands them on.
    QList<QByteArray> arguments{QFile::encodeName(pkexec), QByteArrayLiteral("/usr/bin/env")};
    for (const QString& pair : sessionEnvironment())
        arguments << QFile::encodeName(pair);
    arguments << QFile::encodeName(program);
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // pkexec must stay this program's child: it refuses a caller that has
    // already gone, and polkit asks on behalf of the caller's session.
    const QByteArray self = processName(getpid());
    pid_t pid = 0;
    if (posix_spawn(&pid, argv.front(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    // The child takes pkexec's name a moment after posix_spawn returns.
    QElapsedTimer clock;
    clock.start();
    while (processName(pid) == self && clock.elapsed() < 1000)
        QThread::yieldCurrentThread();
    // pkexec gives way to the program only once the user has agreed; when it
    // ends first, the user declined or polkit could not ask.
    const QByteArray starter = QFile::encodeName(QFileInfo(pkexec).fileName()).left(15);
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return false;
        const QByteArray name = processName(pid);
        if (!name.isEmpty() && name != starter)
            return true;
        if (clock.elapsed() > kElevationLimitMs) {
            ::kill(pid, SIGTERM);
            waitpid(pid, &status, 0);
            return false;
        }
        // The settings window and the decorations go on meanwhile.
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

} // namespace platform
