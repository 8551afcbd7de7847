#include "LocalHttpServer.h"
#include "WaitUntil.h"

#include "platform/QtHttp.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
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

} // namespace

class QtHttpTest : public ::testing::Test {
protected:
    LocalHttpServer m_server;
    QtHttp m_http{std::chrono::seconds(5)};
};

TEST_F(QtHttpTest, KeepsOnlyTheFirstBytes)
{
    m_server.setAnswer("/version.txt", LocalHttpServer::answer(200, numberedBytes(600)));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/version.txt"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::Ok);
    EXPECT_EQ(reply.body, numberedBytes(511));
}

TEST_F(QtHttpTest, ShortBodyComesWhole)
{
    m_server.setAnswer("/v", LocalHttpServer::answer(200, "3|6|1|https://example.org/"));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/v"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::Ok);
    EXPECT_EQ(reply.body, QByteArray("3|6|1|https://example.org/"));
}

TEST_F(QtHttpTest, ErrorPageBodyCountsAsAnAnswer)
{
    m_server.setAnswer("/missing", LocalHttpServer::answer(404, "<html>Not here</html>"));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/missing"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::Ok);
    EXPECT_EQ(reply.body, QByteArray("<html>Not here</html>"));
}

TEST_F(QtHttpTest, EmptyBodyIsAnEmptyAnswer)
{
    m_server.setAnswer("/empty", LocalHttpServer::answer(200, QByteArray()));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/empty"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::Ok);
    EXPECT_TRUE(reply.body.isEmpty());
}

TEST_F(QtHttpTest, ByteOrderMarkIsKept)
{
    const QByteArray withMark("\xEF\xBB\xBF"
                              "3|6|x");
    m_server.setAnswer("/bom", LocalHttpServer::answer(200, withMark));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/bom"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::Ok);
    EXPECT_EQ(reply.body, withMark);
}

TEST_F(QtHttpTest, AsksPastEveryCache)
{
    m_server.setAnswer("/v", LocalHttpServer::answer(200, "1"));
    m_http.fetchFirstBytes(m_server.url("/v"), "Quentrel", 511);
    const QByteArray head = m_server.lastRequestHead();
    EXPECT_TRUE(head.startsWith("GET /v HTTP/1.1\r\n")) << head.constData();
    EXPECT_TRUE(head.contains("\r\nUser-Agent: Quentrel\r\n")) << head.constData();
    EXPECT_TRUE(head.contains("\r\nPragma: no-cache\r\n")) << head.constData();
    EXPECT_TRUE(head.contains("\r\nCache-Control: no-cache\r\n")) << head.constData();
}

TEST_F(QtHttpTest, FollowsRedirects)
{
    m_server.setAnswer("/old", LocalHttpServer::answer(302, "moved", "Location: /new\r\n"));
    m_server.setAnswer("/new", LocalHttpServer::answer(200, "3|7"));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/old"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::Ok);
    EXPECT_EQ(reply.body, QByteArray("3|7"));
}

TEST_F(QtHttpTest, RedirectToDeadServerFailsToOpen)
{
    const QByteArray location =
        "Location: http://127.0.0.1:" + QByteArray::number(LocalHttpServer::refusedPort()) +
        "/\r\n";
    m_server.setAnswer("/old", LocalHttpServer::answer(301, "moved", location));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/old"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::OpenFailed);
    EXPECT_TRUE(reply.body.isEmpty());
}

TEST_F(QtHttpTest, RefusedConnectionFailsToOpen)
{
    const QString url =
        QStringLiteral("http://127.0.0.1:%1/version.txt").arg(LocalHttpServer::refusedPort());
    const auto reply = m_http.fetchFirstBytes(url, "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::OpenFailed);
    EXPECT_TRUE(reply.body.isEmpty());
}

TEST_F(QtHttpTest, UnusableAddressFailsToOpen)
{
    EXPECT_EQ(m_http.fetchFirstBytes(QString(), "Quentrel", 511).status, Status::OpenFailed);
    EXPECT_EQ(m_http.fetchFirstBytes("not a url", "Quentrel", 511).status, Status::OpenFailed);
}

TEST_F(QtHttpTest, ConnectionLostMidBodyIsAReadFailure)
{
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\n";
    m_server.setAnswer("/cut", head + numberedBytes(100));
    const auto reply = m_http.fetchFirstBytes(m_server.url("/cut"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::ReadFailed);
}

TEST_F(QtHttpTest, SilentServerTimesOutAsUnreachable)
{
    QtHttp impatient(std::chrono::milliseconds(300));
    QElapsedTimer elapsed;
    elapsed.start();
    const auto reply = impatient.fetchFirstBytes(m_server.url("/hang"), "Quentrel", 511);
    EXPECT_EQ(reply.status, Status::OpenFailed);
    EXPECT_LT(elapsed.elapsed(), 3000);
}

TEST_F(QtHttpTest, WorksFromAPlainWorkerThread)
{
    m_server.setAnswer("/version.txt", LocalHttpServer::answer(200, numberedBytes(600)));
    const QString url = m_server.url("/version.txt");
    std::atomic<bool> done = false;
    platform::Http::Reply reply{Status::OpenFailed, {}};
    std::thread worker([&] {
        reply = m_http.fetchFirstBytes(url, "Quentrel", 511);
        done = true;
    });
    // The server lives in this thread, so this thread's events must flow.
    const bool finished = waitUntil([&] { return done.load(); }, 8000);
    worker.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(reply.status, Status::Ok);
    EXPECT_EQ(reply.body, numberedBytes(511));
}
