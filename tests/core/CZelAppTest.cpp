#include "app/CZelApp.h"
#include "decorations/CDlgFrost.h"
#include "platform/SingleInstanceLock.h"
#include "support/FakePlatform.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class CZelAppTest : public ::testing::Test {
protected:
    // Runs the program's life; `whileRunning` sees the running program, then ends it.
    bool run(CZelApp& app, std::function<void()> whileRunning = {})
    {
        QTimer::singleShot(0, [&] {
            if (whileRunning)
                whileRunning();
            app.EndMainLoop();
        });
        return app.InitInstance();
    }

    FakePlatform services;
};

TEST_F(CZelAppTest, SecondCopyShowsTheMessageAndWritesNothing)
{
    platform::SingleInstanceLock firstCopy(services.system.runtimeDir(), "VarnelYulavinMutex");
    ASSERT_FALSE(firstCopy.alreadyExists());

    CZelApp app;
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(services.dialogs.m_shown.size(), 1u);
    EXPECT_EQ(services.dialogs.m_shown[0].text,
              "The program is already running. The icon located in the notification area (system "
              "tray) near the clock.");
    EXPECT_EQ(services.dialogs.m_shown[0].caption, "Yulavin");
    EXPECT_FALSE(QFile::exists(services.settingsPath()));
    EXPECT_EQ(services.scheduler.timerCount(), 0u);
}

TEST_F(CZelAppTest, SecondCopySpeaksTheUsersLanguage)
{
    FakePlatform::writeFile(services.settingsPath(),
                            "<Options><Language>German</Language></Options>");
    FakePlatform::writeFile(services.programDir() + "/German.lng",
                            "[Language]\nlang_en=German\n[Text]\n2=Das Programm läuft bereits.\n");
    platform::SingleInstanceLock firstCopy(services.system.runtimeDir(), "VarnelYulavinMutex");
    CZelApp app;
    app.InitInstance();
    ASSERT_EQ(services.dialogs.m_shown.size(), 1u);
    EXPECT_EQ(services.dialogs.m_shown[0].text, "Das Programm läuft bereits.");
}

TEST_F(CZelAppTest, FirstRunEndsWithACompleteSettingsFileAndFreesTheLock)
{
    CZelApp app;
    bool firstRunSeen = false;
    EXPECT_FALSE(run(app, [&] { firstRunSeen = !app.m_options.m_bFileRead; }));
    EXPECT_TRUE(firstRunSeen);
    EXPECT_EQ(app.m_strModulePath, services.system.programPath());
    const QByteArray file = FakePlatform::readFile(services.settingsPath());
    EXPECT_EQ(file.count("</"), 44); // 43 elements and the root
    EXPECT_TRUE(file.contains("<LogonImage>blue</LogonImage></Options>"));
    EXPECT_TRUE(services.dialogs.m_shown.empty());

    platform::SingleInstanceLock next(services.system.runtimeDir(), "VarnelYulavinMutex");
    EXPECT_FALSE(next.alreadyExists());
}

TEST_F(CZelAppTest, SettingsChangedDuringTheRunReachTheFile)
{
    CZelApp app;
    run(app, [&] { app.m_options.uSnowDensity = 8; });
    EXPECT_TRUE(
        FakePlatform::readFile(services.settingsPath()).contains("<uSnowDensity>8</uSnowDensity>"));
}

struct WatcherCase {
    int major, minor;
    bool disableAtHighLoad;
    bool watcherRuns;
};

class CZelAppWatcherTest : public CZelAppTest, public ::testing::WithParamInterface<WatcherCase> {};

TEST_P(CZelAppWatcherTest, WatcherRunsOnVistaAndLaterWhenSwitchedOn)
{
    const WatcherCase& c = GetParam();
    services.system.setVersion(c.major, c.minor);
    FakePlatform::writeFile(services.settingsPath(), QByteArray("<Options><fDisableAtHighLoad>") +
                                                         (c.disableAtHighLoad ? "1" : "0") +
                                                         "</fDisableAtHighLoad></Options>");
    CZelApp app;
    bool enabled = false;
    uint32_t period = 0;
    run(app, [&] {
        enabled = app.m_highLoad.m_bEnabled;
        period = services.scheduler.periodOf(nullptr, app.m_highLoad.m_nTimer);
    });
    EXPECT_EQ(enabled, c.watcherRuns);
    EXPECT_EQ(period, c.watcherRuns ? 1000u : 0u);
    // Stopped at exit.
    EXPECT_EQ(services.scheduler.timerCount(), 0u);
    EXPECT_EQ(app.m_highLoad.m_nTimer, 0u);
    EXPECT_FALSE(app.m_highLoad.m_bEnabled);
    EXPECT_TRUE(app.m_highLoad.m_bEffectsShown);
}

INSTANTIATE_TEST_SUITE_P(Versions, CZelAppWatcherTest,
                         ::testing::Values(WatcherCase{5, 1, true, false},
                                           WatcherCase{6, 0, true, true},
                                           WatcherCase{6, 1, true, true},
                                           WatcherCase{10, 0, true, true},
                                           WatcherCase{10, 0, false, false}),
                         [](const auto& testCase) {
                             return std::to_string(testCase.param.major) + "_" +
                                    std::to_string(testCase.param.minor) +
                                    (testCase.param.disableAtHighLoad ? "_On" : "_Off");
                         });

TEST_F(CZelAppTest, DecorationsThatAreOnGetWindowsAndAllGoBeforeTheObjects)
{
    // Defaults: cursor, garland and snow on; tree and frost off.
    CZelApp app;
    std::vector<int> whileRunning;
    bool objectsExist = false;
    run(app, [&] {
        whileRunning = services.windows.log();
        objectsExist = app.m_pDlgCursor && app.m_pDlgTree && app.m_pDlgLights && app.m_pDlgSnow &&
                       app.m_pDlgFrost;
    });
    EXPECT_TRUE(objectsExist);
    // Made cursor, garland, snow; ended (tree), cursor, garland, snow.
    EXPECT_EQ(whileRunning, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(services.windows.log(), (std::vector<int>{1, 2, 3, -1, -2, -3}));
    EXPECT_EQ(app.m_pDlgCursor, nullptr);
    EXPECT_EQ(app.m_pDlgSnow, nullptr);
}

TEST_F(CZelAppTest, CursorIsStackedAndFrostWaitsAsTheSettingsSay)
{
    FakePlatform::writeFile(services.settingsPath(),
                            "<Options><fCursorTop>1</fCursorTop><fFrostEnable>1</fFrostEnable>"
                            "<uFrostWaitTime>3</uFrostWaitTime></Options>");
    CZelApp app;
    FakeOverlaySurface::Stacking cursorStacking = FakeOverlaySurface::Stacking::Unset;
    uint32_t frostWait = 0;
    run(app, [&] {
        cursorStacking = services.windows.live().front()->m_stacking;
        frostWait = app.m_pDlgFrost->m_dwWaitTime;
    });
    EXPECT_EQ(cursorStacking, FakeOverlaySurface::Stacking::Top);
    EXPECT_EQ(frostWait, 3u * 60000);
}

} // namespace
