#include "platform/QtHttp.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

constexpr int kStopPollMs = 50;

// Errors that describe the server's answer (404, 500, ...) rather than the
// connection: the answer's body is still what the caller reads.
bool isAnswerStatusError(QNetworkReply::NetworkError error)
{
    const int code = static_cast<int>(error);
    return (code >= QNetworkReply::ContentAccessDenied &&
            code <= QNetworkReply::UnknownContentError) ||
           (code >= QNetworkReply::InternalServerError &&
            code <= QNetworkReply::UnknownServerError);
}

} // namespace

QtHttp::QtHttp(std::chrono::milliseconds timeout) : m_timeout(timeout)
{
    // Use the proxy the desktop is set up with, as the system's own
    // downloads do.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
}

Http::Reply QtHttp::fetchFirstBytes(const QString& url, const QString& userAgent, int maxBytes,
                                    std::stop_token stop)
{
    using Status = Reply::Status;
    const int limit = std::max(0, maxBytes);
    const QUrl target(url, QUrl::TolerantMode);
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {Status::OpenFailed, {}};

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Pragma", "no-cache");
    request.setRawHeader("Cache-Control", "no-cache");
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);

    // The loop first: in a thread Qt did not start, it sets up the event
    // dispatcher that the manager and the timer need.
    QEventLoop loop;
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    QByteArray body;
    // True once the final server (after redirects) has sent its status line.
    bool answered = false;

    auto collect = [&] {
        if (body.size() < limit)
            body += reply->read(limit - body.size());
        if (body.size() >= limit && answered)
            loop.quit();
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const bool redirect =
            reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid();
        answered = status.isValid() && !redirect;
    });
    QObject::connect(reply.get(), &QNetworkReply::redirected, &loop, [&] { answered = false; });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, collect);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);

    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(m_timeout);
    // The program's end asks a running download to stop; it looks now and then.
    QTimer stopWatch;
    QObject::connect(&stopWatch, &QTimer::timeout, &loop, [&] {
        if (stop.stop_requested())
            loop.quit();
    });
    stopWatch.start(kStopPollMs);

    if (!reply->isFinished() && !stop.stop_requested())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();
    stopWatch.stop();
    collect();
    const bool finished = reply->isFinished();
    const QNetworkReply::NetworkError error = reply->error();
    if (!finished)
        reply->abort(); // enough read, or the time is up

    if (answered && body.size() >= limit)
        return {Status::Ok, body};
    if (!answered)
        return {Status::OpenFailed, {}};
    if (finished && (error == QNetworkReply::NoError || isAnswerStatusError(error)))
        return {Status::Ok, body};
    return {Status::ReadFailed, {}};
}

} // namespace platform
