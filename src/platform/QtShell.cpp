#include "platform/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>

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

} // namespace platform
