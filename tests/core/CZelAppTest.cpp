#include "SettingsFileFixture.h"

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "decorations/CDlgFrost.h"
#include "platform/SingleInstanceLock.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

// How long the main loop may run on after it is told to end, or at all where
// it should never start; then it is ended and the case fails, in seconds.
constexpr int kLoopLimitMs = 3000;

class CZelAppTest : public SettingsFileFixture {
protected:
    CZelAppTest()
    {
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
            ADD_FAILURE() << "the main loop ran on";
            if (app && app->m_pMainDlg)
                app->m_pMainDlg->EndDialog(0);
        });
    }

    // Runs the program's life; `whileRunning` sees the running program, then
    // ends it, and the application object ends as main() ends it.
    bool run(const std::function<void()>& whileRunning)
    {
        QTimer::singleShot(0, [&] {
            whileRunning();
            app->EndMainLoop();
            m_watchdog.start(kLoopLimitMs);
        });
        const bool result = app->InitInstance();
        m_watchdog.stop();
        app.reset();
        return result;
    }
    std::optional<CZelApp> app{std::in_place, services.services()};
    QTimer m_watchdog;
};

TEST_F(CZelAppTest, SecondCopyRefusesInTheUsersLanguageAndTouchesNothing)
{
    const std::string settings = "<Options><Language>German</Language></Options>";
    writeSettings(QByteArray::fromStdString(settings));
    FakePlatform::writeFile(services.programDir() + "/German.lng",
                            "[Language]\nlang_en=German\n[Text]\n2=Das Programm läuft bereits.\n");
    platform::SingleInstanceLock firstCopy(services.system.runtimeDir(), "VarnelYulavinMutex");
    ASSERT_FALSE(firstCopy.alreadyExists());

    // Timers run only in the main loop, which a refusing copy never starts.
    m_watchdog.start(kLoopLimitMs);
    EXPECT_FALSE(app->InitInstance());
    m_watchdog.stop();
    EXPECT_EQ(app->m_nExitCode, 1);
    ASSERT_EQ(services.dialogs.m_shown.size(), 1u);
    EXPECT_EQ(services.dialogs.m_shown[0].text, "Das Programm läuft bereits.");
    EXPECT_EQ(services.dialogs.m_shown[0].caption, "Yulavin");
    EXPECT_EQ(settingsFile(), settings);
    EXPECT_EQ(services.scheduler.timerCount(), 0u);
    EXPECT_TRUE(services.windows.log().empty());
}

TEST_F(CZelAppTest, FirstRunSavesTheSettingsAtExitAndFreesTheLock)
{
    bool firstRunSeen = false;
    EXPECT_FALSE(run([&] {
        firstRunSeen = !app->m_options.m_bFileRead;
        app->m_options.uSnowDensity = 8;
    }));
    EXPECT_TRUE(firstRunSeen);
    QByteArray expected = goldenFile("first-run");
    expected.replace("<uSnowDensity>5<", "<uSnowDensity>8<");
    EXPECT_EQ(settingsFile(), expected.toStdString());
    EXPECT_TRUE(services.dialogs.m_shown.empty());

    platform::SingleInstanceLock next(services.system.runtimeDir(), "VarnelYulavinMutex");
    EXPECT_FALSE(next.alreadyExists());
}

TEST_F(CZelAppTest, DecorationsThatAreOnGetWindowsAndAllEndAtExit)
{
    // Defaults: cursor, garland and snow on; tree and frost off. The fairy
    // dust under the settings window comes with that window and goes with
    // it, before the decorations.
    std::vector<int> whileRunning;
    run([&] { whileRunning = services.windows.log(); });
    EXPECT_EQ(whileRunning, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(services.windows.log(), (std::vector<int>{1, 2, 3, 4, -4, -1, -2, -3}));
    // The high-load watcher, on by default, stops too.
    EXPECT_EQ(services.scheduler.timerCount(), 0u);
}

TEST_F(CZelAppTest, CursorIsStackedAndFrostWaitsAsTheSettingsSay)
{
    // The start-up, not the windows themselves, puts the cursor in its layer
    // and gives the frost its wait.
    writeSettings("<Options><fCursorTop>1</fCursorTop><fFrostEnable>1</fFrostEnable>"
                  "<uFrostWaitTime>3</uFrostWaitTime></Options>");
    FakeOverlaySurface::Stacking cursorStacking = FakeOverlaySurface::Stacking::Unset;
    uint32_t frostWait = 0;
    run([&] {
        cursorStacking = services.windows.live().front()->m_stacking;
        frostWait = app->m_pDlgFrost->m_dwWaitTime;
    });
    EXPECT_EQ(cursorStacking, FakeOverlaySurface::Stacking::Top);
    EXPECT_EQ(frostWait, 3u * 60000);
    // A wait too long to count in milliseconds is the longest one, not a short one.
    writeSettings("<Options><fFrostEnable>1</fFrostEnable><uFrostWaitTime>71583</uFrostWaitTime>"
                  "</Options>");
    app.emplace(services.services());
    run([&] { frostWait = app->m_pDlgFrost->m_dwWaitTime; });
    EXPECT_EQ(frostWait, UINT32_MAX);
}

} // namespace
