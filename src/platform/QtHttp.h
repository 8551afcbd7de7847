#pragma once

#include "platform/Http.h"

#include <chrono>

namespace platform {

// Downloads with Qt's network stack: one short-lived connection manager and
// event loop per call, in the calling thread, so the update check's worker
// thread needs no Qt thread of its own. System proxy, no cache, redirects
// followed.
class QtHttp final : public Http {
public:
    // A server that neither answers nor finishes within the timeout counts
    // as unreachable.
    explicit QtHttp(std::chrono::milliseconds timeout = std::chrono::seconds(20));

    Reply fetchFirstBytes(const QString& url, const QString& userAgent, int maxBytes) override;

private:
    const std::chrono::milliseconds m_timeout;
};

} // namespace platform
