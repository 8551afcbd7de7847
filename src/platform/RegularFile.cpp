#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<RegularFile> RegularFile::read(const QString& path, qsizetype maxSize,
                                             qsizetype headSize)
{
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxSize) {
        ::close(fd);
        return std::nullopt;
    }
    const qsizetype size = static_cast<qsizetype>(info.st_size);
    const qsizetype wanted = headSize >= 0 && headSize < size ? headSize : size;
    RegularFile file;
    file.whole = wanted == size;
    file.bytes.resize(wanted);
    qsizetype done = 0;
    // A file that shrinks meanwhile gives what it still holds.
    while (done < wanted) {
        const ssize_t got = ::read(fd, file.bytes.data() + done, size_t(wanted - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        done += got;
    }
    ::close(fd);
    file.bytes.truncate(done);
    return file;
}

} // namespace platform
