#include "core/CUpdate.h"
#include "core/CTranslate.h"
#include "platform/FileRegistry.h"
#include "platform/QtHttp.h"
#include "support/FakePlatform.h"
#include "support/LocalHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

namespace {

using Registry = platform::Registry;

const QString kKey = QStringLiteral("Software\\Varnel\\Yulavin");
const QString kValue = QStringLiteral("LastUpdateCheck");
const QString kUpdatePath = QStringLiteral("/yulavin/update.txt");
const QString kQuestion =
    QStringLiteral("New version of Yulavin is available. Do you want to download it?");
// The product page a Yes opens when the file names no web page.
const QString kProductPage = QStringLiteral("/?p=yulavin");

// An update check that remembers what it found before it asks as the
// program does.
class RecordingUpdate final : public CUpdate {
public:
    using CUpdate::CUpdate;

    void OnNewVersion(uint32_t dwCurrentHigh, uint32_t dwCurrentLow, uint32_t dwNewHigh,
                      uint32_t dwNewLow, QString& strDownloadUrl) override
    {
        m_newHigh = dwNewHigh;
        m_current = {dwCurrentHigh, dwCurrentLow};
        m_address = strDownloadUrl;
        CUpdate::OnNewVersion(dwCurrentHigh, dwCurrentLow, dwNewHigh, dwNewLow, strDownloadUrl);
    }
    void OnNoNewVersion(uint32_t, uint32_t) override { m_noNewVersion = true; }
    void OnCheckFailed(uint32_t, uint32_t) override { m_failed = true; }

    uint32_t m_newHigh = 0;
    std::pair<uint32_t, uint32_t> m_current;
    QString m_address;
    bool m_noNewVersion = false;
    bool m_failed = false;
};

class CUpdateTest : public ::testing::Test {
protected:
    CUpdateTest()
    {
        qputenv("YULAVIN_SITE_URL", m_server.url(QString()).toUtf8());
        m_translate.LoadLanguage(QStringLiteral("English"));
    }
    ~CUpdateTest() override { qunsetenv("YULAVIN_SITE_URL"); }

    UpdateCheckParameter parameter(const QString& language = QStringLiteral("English"))
    {
        platform::Platform bundle = m_services.services();
        bundle.http = &m_http;
        return {&m_owner, bundle, &m_translate, language};
    }
    void storeLastCheck(const QString& text)
    {
        Registry& registry = m_services.registry();
        registry.set(Registry::Root::CurrentUser, kKey, kValue, text, true);
    }
    void storeLastCheck(int64_t time) { storeLastCheck(QString::number(time)); }
    QString lastCheck()
    {
        Registry::Value value;
        if (m_services.registry().get(Registry::Root::CurrentUser, kKey, kValue, value) !=
            Registry::Result::Ok)
            return {};
        return std::get<QString>(value);
    }
    int64_t now() { return m_services.clock.unixTime(); }

    // Runs the check on a worker thread of its own, as the program does,
    // while this thread serves the request; then delivers what it handed to
    // the UI thread.
    void check(CUpdate& update, const QString& address)
    {
        onWorker([&] { update.Check(address); });
        m_services.scheduler.drainPosted();
    }
    // Runs the work on a thread of its own while this thread's events turn.
    static void onWorker(const std::function<void()>& work)
    {
        std::atomic<bool> done = false;
        std::thread worker([&] {
            work();
            done = true;
        });
        QElapsedTimer elapsed;
        elapsed.start();
        while (!done && elapsed.elapsed() < 8000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        worker.join();
    }
    // A due check of an update file with that content, the question answered.
    RecordingUpdate checkFile(const QByteArray& content,
                              platform::Dialogs::Answer answer = platform::Dialogs::Answer::Yes)
    {
        storeLastCheck(0);
        m_server.setAnswer(kUpdatePath, LocalHttpServer::answer(200, content));
        m_services.dialogs.m_answers = {answer};
        RecordingUpdate update(parameter());
        check(update, m_server.url(kUpdatePath));
        return update;
    }
    size_t questionsAsked() const { return m_services.dialogs.m_shown.size(); }

    FakePlatform m_services;
    LocalHttpServer m_server;
    platform::QtHttp m_http{std::chrono::milliseconds(300)};
    CTranslate m_translate{m_services.system};
    QWidget m_owner;
};

struct GateCase {
    const char* name;
    std::optional<QString> stored; // nullopt: no value yet; "%now" + offset
    int64_t offset;                // added to now for a numeric stored value
    bool due;
    bool rewritten;
};

class CUpdateGateTest : public CUpdateTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(CUpdateGateTest, SevenDayGateAndTheStoredTime)
{
    const GateCase& c = GetParam();
    const QString before =
        c.stored ? (c.stored->isEmpty() ? QString::number(now() + c.offset) : *c.stored)
                 : QString();
    if (c.stored)
        storeLastCheck(before);
    m_server.setAnswer(kUpdatePath, LocalHttpServer::answer(200, "3|5|"));
    RecordingUpdate update(parameter());
    check(update, m_server.url(kUpdatePath));
    // A due check asks the site; one that is not due asks nobody.
    EXPECT_EQ(m_server.requestedPaths(), c.due ? QStringList{kUpdatePath} : QStringList());
    EXPECT_EQ(lastCheck(), c.rewritten ? QString::number(now()) : before);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, CUpdateGateTest,
    ::testing::Values(GateCase{"FirstStartOnlyRecords", std::nullopt, 0, false, true},
                      GateCase{"ExactlySevenDaysAgo", QString(), -604800, false, false},
                      GateCase{"OneSecondMore", QString(), -604801, true, true},
                      GateCase{"ThisVeryMoment", QString(), 0, false, false},
                      GateCase{"InTheFuture", QString(), 60, true, true},
                      GateCase{"NoNumber", QStringLiteral("yesterday"), 0, true, true},
                      GateCase{"FarPast", QStringLiteral("-9223372036854775808"), 0, true, true},
                      GateCase{"BlanksAndTrailingText", QStringLiteral("  1795999999 s"), 0, false,
                               false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct FileCase {
    const char* name;
    QByteArray content;
    uint32_t newHigh; // 0: no question
};

class CUpdateFileTest : public CUpdateTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(CUpdateFileTest, OnlyANewerVersionIsOffered)
{
    const FileCase& c = GetParam();
    const RecordingUpdate update = checkFile(c.content);
    EXPECT_EQ(update.m_newHigh, c.newHigh);
    EXPECT_EQ(update.m_noNewVersion, c.newHigh == 0);
    EXPECT_EQ(questionsAsked(), c.newHigh ? 1u : 0u);
    // This program is 3.5.0.0.
    if (c.newHigh) {
        EXPECT_EQ(update.m_current, std::make_pair((3u << 16) | 5u, 0u));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CUpdateFileTest,
    ::testing::Values(
        FileCase{"Same", "3|5|http://dl.example/", 0},
        FileCase{"NewerMinor", "3|6|http://dl.example/", (3u << 16) | 6},
        FileCase{"NewerMajor", "4|0|http://dl.example/", 4u << 16},
        FileCase{"LeadingZero", "3|05|http://dl.example/", 0},
        FileCase{"ByteOrderMark",
                 "\xEF\xBB\xBF"
                 "4|0|http://dl.example/",
                 0},
        FileCase{"BlanksSignAndTrailingLetters", " +3|7beta|http://dl.example/", (3u << 16) | 7},
        FileCase{"CutTo16Bits", "65539|6|http://dl.example/", (3u << 16) | 6},
        FileCase{"NoNumber", "<html>Not here</html>", 0},
        FileCase{"NewerPastTheFirst511Bytes", QByteArray(511, '0') + "4|0|http://dl.example/", 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(CUpdateTest, YesOpensTheDownloadPageWithoutItsLineEndsAndNoOpensNothing)
{
    const RecordingUpdate yes = checkFile("3|6|http://dl.example/yulavin-3.6\r\n");
    // The address keeps its line end as the file has it; the browser gets
    // the page a user would type.
    EXPECT_EQ(yes.m_address, "http://dl.example/yulavin-3.6\r\n");
    EXPECT_EQ(m_services.shell.m_opened, QStringList{"http://dl.example/yulavin-3.6"});
    ASSERT_EQ(questionsAsked(), 1u);
    EXPECT_EQ(m_services.dialogs.m_shown[0].text, kQuestion);
    EXPECT_EQ(m_services.dialogs.m_shown[0].caption, "Yulavin");
    EXPECT_EQ(m_services.dialogs.m_shown[0].style, platform::Dialogs::Style::YesNoInformation);
    EXPECT_EQ(m_services.dialogs.m_owners[0], &m_owner);

    m_services.shell.m_opened.clear();
    checkFile("4|0|https://dl.example/", platform::Dialogs::Answer::No);
    EXPECT_EQ(questionsAsked(), 2u);
    EXPECT_TRUE(m_services.shell.m_opened.isEmpty());
}

// Anyone on the way can answer a plain http request: whatever the file
// names, only a web page is ever opened, else the maker's own product page.
TEST_F(CUpdateTest, AHostileOrMissingAddressNeverReachesTheShell)
{
    const char* const addresses[] = {"file:///etc/passwd",
                                     "javascript:alert(1)",
                                     "/usr/bin/xterm",
                                     "xterm -e sh",
                                     "smb://host/share/setup.exe",
                                     "http:///no-host",
                                     ""};
    for (const char* address : addresses) {
        m_services.shell.m_opened.clear();
        checkFile(QByteArray("3|6|") + address);
        EXPECT_EQ(m_services.shell.m_opened, QStringList{m_server.url(kProductPage)}) << address;
    }
    // A missing third field is an empty address.
    m_services.shell.m_opened.clear();
    EXPECT_EQ(checkFile("3|6").m_address, "");
    EXPECT_EQ(m_services.shell.m_opened, QStringList{m_server.url(kProductPage)});
}

TEST_F(CUpdateTest, SilentServerIsGivenUpAndTheCheckStillCounts)
{
    storeLastCheck(0);
    RecordingUpdate update(parameter());
    QElapsedTimer elapsed;
    elapsed.start();
    check(update, m_server.url(QStringLiteral("/never-answered")));
    EXPECT_LT(elapsed.elapsed(), 5000);
    EXPECT_TRUE(update.m_failed);
    EXPECT_EQ(questionsAsked(), 0u);
    EXPECT_EQ(lastCheck(), QString::number(now()));
}

TEST_F(CUpdateTest, EmptyFileFailsWithoutAQuestion)
{
    EXPECT_TRUE(checkFile("").m_failed);
    EXPECT_EQ(questionsAsked(), 0u);
}

TEST_F(CUpdateTest, TheThreadAsksForTheRussianFileInRussian)
{
    storeLastCheck(0);
    m_server.setAnswer("/yulavin/update_ru.txt", LocalHttpServer::answer(200, "3|9|"));
    onWorker([&] { UpdateCheckThreadProc({}, parameter(QStringLiteral("Russian"))); });
    EXPECT_EQ(m_server.requestedPaths(), QStringList{"/yulavin/update_ru.txt"});
    EXPECT_EQ(m_services.scheduler.drainPosted(), 1u);
    EXPECT_EQ(questionsAsked(), 1u);
}

// The question waits for the UI thread, and a window that is gone by then
// gets none.
TEST_F(CUpdateTest, TheQuestionIsAskedOnTheUiThreadWhileItsWindowExists)
{
    storeLastCheck(0);
    m_server.setAnswer(kUpdatePath, LocalHttpServer::answer(200, "4|0|http://dl.example/"));
    auto owner = std::make_unique<QWidget>();
    UpdateCheckParameter gone = parameter();
    gone.owner = owner.get();
    CUpdate update(gone);
    onWorker([&] { update.Check(m_server.url(kUpdatePath)); });
    EXPECT_EQ(questionsAsked(), 0u);
    owner.reset();
    EXPECT_EQ(m_services.scheduler.drainPosted(), 1u);
    EXPECT_EQ(questionsAsked(), 0u);
}

} // namespace
