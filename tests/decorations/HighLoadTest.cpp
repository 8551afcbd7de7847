#include "app/CZelApp.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CDlgFrost.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CDlgTree.h"
#include "decorations/CHighLoad.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Presence = platform::Desktop::Presence;

// The five decorations as start-up leaves them, every one switched on, and the
// watcher running.
class HighLoadTest : public ::testing::Test {
protected:
    HighLoadTest()
    {
        COptions& options = m_app.m_options;
        options.fCursorEnable = options.fTree = options.fSnow = options.fFrostEnable = true;
        options.fGarland = 1;
        m_app.m_pDlgCursor = new CDlgCursor;
        m_app.m_pDlgTree = new CDlgTree;
        m_app.m_pDlgLights = new CDlgLights;
        m_app.m_pDlgSnow = new CDlgSnow;
        m_app.m_pDlgFrost = new CDlgFrost;
        for (DecorationWindow* window : windows())
            window->Create();
        m_app.m_highLoad.m_bEnabled = true;
    }
    ~HighLoadTest() override
    {
        delete m_app.m_pDlgTree;
        delete m_app.m_pDlgCursor;
        delete m_app.m_pDlgLights;
        delete m_app.m_pDlgSnow;
        delete m_app.m_pDlgFrost;
    }

    std::vector<DecorationWindow*> windows() const
    {
        return {m_app.m_pDlgCursor, m_app.m_pDlgTree, m_app.m_pDlgLights, m_app.m_pDlgSnow,
                m_app.m_pDlgFrost};
    }
    int liveWindows() const
    {
        int count = 0;
        for (DecorationWindow* window : windows())
            count += window->IsWindow();
        return count;
    }
    // The window log since the five were made (serials 1-5 in the order above).
    std::vector<int> logSinceStart() const
    {
        const std::vector<int>& log = m_platform.windows.log();
        return {log.begin() + 5, log.end()};
    }
    void tick(std::optional<Presence> state)
    {
        m_platform.desktop.m_presence = state;
        HighLoadTimerProc(m_app.m_highLoad.m_nTimer);
    }

    FakePlatform m_platform;
    CZelApp m_app;
};

TEST_F(HighLoadTest, AwayHidesEverythingInOrderAndComingBackShowsItInOrder)
{
    tick(Presence::NotPresent);
    EXPECT_FALSE(m_app.m_highLoad.m_bEffectsShown);
    EXPECT_EQ(liveWindows(), 0);
    EXPECT_EQ(logSinceStart(), (std::vector<int>{-1, -2, -3, -4, -5}));

    tick(Presence::AcceptsNotifications);
    EXPECT_TRUE(m_app.m_highLoad.m_bEffectsShown);
    EXPECT_EQ(liveWindows(), 5);
    // cursor, tree, garland, snow, frost: made again in the same order.
    EXPECT_EQ(logSinceStart(), (std::vector<int>{-1, -2, -3, -4, -5, 6, 7, 8, 9, 10}));
}

TEST_F(HighLoadTest, OnlyTheFourQuietStatesHide)
{
    struct Case {
        std::optional<Presence> state;
        bool hides;
    };
    const Case cases[] = {
        {Presence::NotPresent, true},
        {Presence::Busy, true},
        {Presence::RunningD3DFullScreen, true},
        {Presence::PresentationMode, true},
        {Presence::AcceptsNotifications, false},
        {Presence::QuietTime, false},
        {Presence::App, false},
        {std::nullopt, false}, // a desktop that can't tell
    };
    for (const Case& testCase : cases) {
        SCOPED_TRACE(testing::Message() << "state " << (testCase.state ? int(*testCase.state) : 0));
        tick(testCase.state);
        EXPECT_EQ(liveWindows(), testCase.hides ? 0 : 5);
        // Windows are touched only when the verdict changes.
        const size_t logged = m_platform.windows.log().size();
        tick(testCase.state);
        EXPECT_EQ(m_platform.windows.log().size(), logged);
        tick(Presence::AcceptsNotifications);
        ASSERT_EQ(liveWindows(), 5);
    }
}

TEST_F(HighLoadTest, ComingBackMakesOnlyTheDecorationsThatAreOnAndMissing)
{
    tick(Presence::Busy);
    m_app.m_options.fTree = false;
    m_app.m_options.fGarland = 0;
    // The user switched the snow on again from its page while hidden.
    m_app.m_pDlgSnow->Create();
    tick(Presence::AcceptsNotifications);
    EXPECT_TRUE(m_app.m_pDlgCursor->IsWindow());
    EXPECT_FALSE(m_app.m_pDlgTree->IsWindow());
    EXPECT_FALSE(m_app.m_pDlgLights->IsWindow());
    EXPECT_TRUE(m_app.m_pDlgSnow->IsWindow());
    EXPECT_TRUE(m_app.m_pDlgFrost->IsWindow());
    EXPECT_EQ(liveWindows(), 3);
}

TEST_F(HighLoadTest, StoppedWatcherLeavesTheWindowsAlone)
{
    m_app.m_highLoad.m_bEnabled = false;
    m_app.m_highLoad.ShowEffects(false);
    EXPECT_EQ(liveWindows(), 5);
    // A stopped watcher's tick sees busy only for an absent user, and then
    // still touches nothing.
    tick(Presence::NotPresent);
    EXPECT_FALSE(m_app.m_highLoad.m_bEffectsShown);
    EXPECT_EQ(liveWindows(), 5);
}

} // namespace
