#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The one kind of download the program makes: the start of a small file,
// fresh from the server (no cache). Thread-safe.
class Http {
public:
    struct Reply {
        enum class Status { OpenFailed, ReadFailed, Ok } status;
        QByteArray body; // at most maxBytes, whatever the HTTP status
    };

    virtual ~Http() = default;

    virtual Reply fetchFirstBytes(const QString& url, const QString& userAgent, int maxBytes) = 0;
};

} // namespace platform
