#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// The bytes of a file that the program only ever expects to be a small
// regular file. Anything else in its place is refused rather than read: a
// FIFO would block the start, a device never ends, and a huge file would be
// held in memory whole.
struct RegularFile {
    QByteArray bytes;
    // False when only the first bytes were asked for and the file holds more.
    bool whole = true;

    // nullopt for a missing or unreadable path, for anything but a regular
    // file, and for a file larger than maxSize; only the first headSize bytes
    // are read when given.
    static std::optional<RegularFile> read(const QString& path, qsizetype maxSize,
                                           qsizetype headSize = -1);
};

} // namespace platform
