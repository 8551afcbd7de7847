#include "platform/FolderOwner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

void FolderOwner::HandOver(const QString& path)
{
    if (geteuid() != 0)
        return;
    struct stat folder {};
    const QString parent = QFileInfo(path).absolutePath();
    if (::stat(QFile::encodeName(parent).constData(), &folder) != 0 || folder.st_uid == 0)
        return;
    // A link is handed over itself, never what it points to.
    [[maybe_unused]] const int result =
        ::lchown(QFile::encodeName(path).constData(), folder.st_uid, folder.st_gid);
}

bool FolderOwner::MakePath(const QString& folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList missing;
    for (QString step = path; !QFileInfo::exists(step); step = QFileInfo(step).path()) {
        missing.prepend(step);
        if (step == QFileInfo(step).path())
            break;
    }
    for (const QString& step : missing) {
        if (!QDir().mkdir(step) && !QFileInfo(step).isDir())
            return false;
        HandOver(step);
    }
    return QFileInfo(path).isDir();
}

} // namespace platform
