#pragma once

#include "platform/Http.h"

#include <chrono>

namespace platform {

// Downloads with Qt's network stack: one short-lived connection manager and
// event loop per call, in the calling thread, so the update check's worker
// thread needs no Qt thread of its own. System proxy, no cache, redirects
// followed (never from https to http).
class QtHttp final : public Http {
public:
    // The whole request, redirects and reading included, ends within
    // `timeout`: a server that answers nothing, or trickles its answer,
    // never holds the caller longer.
    explicit QtHttp(std::chrono::milliseconds timeout = std::chrono::seconds(20));

    Reply fetchFirstBytes(const QString& url, const QString& userAgent, int maxBytes,
                          std::stop_token stop = {}) override;

private:
    const std::chrono::milliseconds m_timeout;
};

} // namespace platform
