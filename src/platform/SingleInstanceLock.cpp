#include "platform/SingleInstanceLock.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const QString& folder, const QString& name)
    : m_path(QFile::encodeName(folder + QLatin1Char('/') + name + QStringLiteral(".lock")))
{
    QDir().mkpath(folder);
    take();
}

bool SingleInstanceLock::take()
{
    m_fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file the program still runs: a second copy is the lesser harm.
    if (m_fd < 0)
        return false;
    int result;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        m_alreadyExists = errno == EWOULDBLOCK;
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_alreadyExists = false;
    return true;
}

bool SingleInstanceLock::retake()
{
    if (m_fd >= 0)
        return true;
    return take();
}

SingleInstanceLock::~SingleInstanceLock()
{
    release();
}

void SingleInstanceLock::release()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace platform
