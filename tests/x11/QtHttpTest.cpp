#include "WaitUntil.h"
#include "support/LocalHttpServer.h"

#include "platform/QtHttp.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <stop_token>
#include <thread>

using platform::QtHttp;
using Status = platform::Http::Reply::Status;

namespace {

QByteArray numberedBytes(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>('0' + i % 10));
    return bytes;
}

class QtHttpTest : public ::testing::Test {
protected:
    // Downloads from a plain worker thread, as the program does, while this
    // thread's events serve the request.
    platform::Http::Reply fetch(QtHttp& http, const QString& url, std::stop_token stop = {})
    {
        std::atomic<bool> done = false;
        platform::Http::Reply reply{Status::OpenFailed, {}};
        std::thread worker([&] {
            reply = http.fetchFirstBytes(url, "Quentrel", 511, stop);
            done = true;
        });
        waitUntil([&] { return done.load(); }, 8000);
        worker.join();
        return reply;
    }

    LocalHttpServer m_server;
    QtHttp m_http{std::chrono::seconds(5)};
};

// Whatever the server answers, error pages too, counts as an answer; only
// its first 511 bytes are kept, byte for byte.
TEST_F(QtHttpTest, ReplyIsTheStartOfWhatTheServerSends)
{
    const QByteArray refused =
        "Location: http://127.0.0.1:" + QByteArray::number(LocalHttpServer::refusedPort()) +
        "/\r\n";
    const QByteArray cut = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\n";
    const struct {
        const char* path;
        QByteArray answer;
        Status status;
        QByteArray body;
    } cases[] = {
        {"/long", LocalHttpServer::answer(200, numberedBytes(600)), Status::Ok, numberedBytes(511)},
        {"/short", LocalHttpServer::answer(200, "3|6|1|https://example.org/"), Status::Ok,
         "3|6|1|https://example.org/"},
        {"/missing", LocalHttpServer::answer(404, "<html>Not here</html>"), Status::Ok,
         "<html>Not here</html>"},
        {"/empty", LocalHttpServer::answer(200, ""), Status::Ok, ""},
        {"/bom",
         LocalHttpServer::answer(200, "\xEF\xBB\xBF"
                                      "3|6|x"),
         Status::Ok,
         "\xEF\xBB\xBF"
         "3|6|x"},
        {"/old", LocalHttpServer::answer(302, "moved", "Location: /new\r\n"), Status::Ok, "3|7"},
        {"/dead", LocalHttpServer::answer(301, "moved", refused), Status::OpenFailed, ""},
        {"/cut", cut + numberedBytes(100), Status::ReadFailed, ""},
    };
    m_server.setAnswer("/new", LocalHttpServer::answer(200, "3|7"));
    for (const auto& c : cases) {
        m_server.setAnswer(c.path, c.answer);
        const auto reply = fetch(m_http, m_server.url(c.path));
        EXPECT_EQ(reply.status, c.status) << c.path;
        if (c.status != Status::ReadFailed) {
            EXPECT_EQ(reply.body, c.body) << c.path;
        }
        // Every request asks past every cache.
        const QByteArray head = m_server.lastRequestHead();
        EXPECT_TRUE(head.contains("\r\nUser-Agent: Quentrel\r\n") &&
                    head.contains("\r\nPragma: no-cache\r\n") &&
                    head.contains("\r\nCache-Control: no-cache\r\n"))
            << head.constData();
    }
}

TEST_F(QtHttpTest, UnreachableServerOrUnusableAddressFailsToOpen)
{
    // A server that never answers gives up after the timeout.
    QtHttp impatient(std::chrono::milliseconds(300));
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(fetch(impatient, m_server.url("/hang")).status, Status::OpenFailed);
    EXPECT_LT(elapsed.elapsed(), 3000);
    for (const QString& url :
         {QStringLiteral("http://127.0.0.1:%1/").arg(LocalHttpServer::refusedPort()), QString(),
          QStringLiteral("not a url")}) {
        EXPECT_EQ(fetch(m_http, url).status, Status::OpenFailed) << url.toStdString();
    }
}

// The time limit holds for the whole request: a server that sends its head
// and part of the body and then stalls is given up as well.
TEST_F(QtHttpTest, StalledAnswerEndsAtTheTimeLimitAndAStopEndsAnyWaitAtOnce)
{
    m_server.setStalledAnswer("/stall", "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n3|6|");
    QtHttp impatient(std::chrono::milliseconds(300));
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(fetch(impatient, m_server.url("/stall")).status, Status::ReadFailed);
    EXPECT_LT(elapsed.elapsed(), 3000);

    // A program that ends does not wait out the limit.
    std::stop_source stop;
    QTimer::singleShot(100, [&] { stop.request_stop(); });
    elapsed.restart();
    EXPECT_EQ(fetch(m_http, m_server.url("/hang"), stop.get_token()).status, Status::OpenFailed);
    EXPECT_LT(elapsed.elapsed(), 3000);
}

} // namespace
