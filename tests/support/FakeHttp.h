#pragma once

#include "platform/Http.h"

#include <QStringList>

#include <mutex>

// Downloads a test answers in advance: every request gets the same reply and
// is remembered. Callable from any thread, as the update check's worker calls it.
class FakeHttp final : public platform::Http {
public:
    Reply fetchFirstBytes(const QString& url, const QString&, int maxBytes,
                          std::stop_token) override
    {
        const std::lock_guard lock(m_mutex);
        m_requested << url;
        Reply reply = m_reply;
        reply.body.truncate(maxBytes);
        return reply;
    }

    void setReply(Reply reply)
    {
        const std::lock_guard lock(m_mutex);
        m_reply = std::move(reply);
    }
    QStringList requested()
    {
        const std::lock_guard lock(m_mutex);
        return m_requested;
    }

private:
    std::mutex m_mutex;
    Reply m_reply{Reply::Status::OpenFailed, {}};
    QStringList m_requested;
};
