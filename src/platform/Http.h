#pragma once

#include <QByteArray>
#include <QString>

#include <stop_token>

namespace platform {

// The one kind of download the program makes: the start of a small file,
// fresh from the server (no cache). Callable from any thread; it blocks the
// caller until the bytes are in, the request fails, the service's time limit
// for the whole request runs out or `stop` is requested.
class Http {
public:
    struct Reply {
        // OpenFailed: no server answered (unreachable, refused, an address
        // that is no http or https one, or out of time before an answer).
        // ReadFailed: a server answered but its answer broke off.
        enum class Status { OpenFailed, ReadFailed, Ok } status;
        QByteArray body; // at most maxBytes, whatever the HTTP status
    };

    virtual ~Http() = default;

    virtual Reply fetchFirstBytes(const QString& url, const QString& userAgent, int maxBytes,
                                  std::stop_token stop = {}) = 0;
};

} // namespace platform
