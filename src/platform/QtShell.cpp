#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

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

bool QtShell::runElevated(const QString& program)
{
    if (program.isEmpty())
        return false;
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return false;
    // WORKAROUND: pkexec clears the environment, so a program started through
    // it could not reach the user's display; hand the display on explicitly.
    QStringList arguments;
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty()) {
        arguments << QStringLiteral("/usr/bin/env")
                  << QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(display);
        const QByteArray xauthority = qgetenv("XAUTHORITY");
        if (!xauthority.isEmpty())
            arguments << QStringLiteral("XAUTHORITY=") + QString::fromLocal8Bit(xauthority);
    }
    arguments << program;
    // Detached: the caller exits right after, and polkit's password prompt
    // must outlive it.
    return QProcess::startDetached(pkexec, arguments);
}

} // namespace platform
