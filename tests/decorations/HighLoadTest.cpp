#include "core/COptions.h"
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
        m_options.fCursorEnable = m_options.fTree = m_options.fSnow = m_options.fFrostEnable = true;
        m_options.fGarland = 1;
        for (DecorationWindow* window : std::initializer_list<DecorationWindow*>{
                 &m_cursor, &m_tree, &m_lights, &m_snow, &m_frost})
            window->Create();
        m_highLoad.SetDecorations({&m_cursor, &m_tree, &m_lights, &m_snow, &m_frost});
        m_highLoad.StartWatcher();
    }

    size_t liveWindows() const { return m_platform.windows.live().size(); }
    void tick(std::optional<Presence> state)
    {
        m_platform.desktop.m_presence = state;
        m_highLoad.HighLoadTimerProc(m_highLoad.m_nTimer);
    }

    FakePlatform m_platform;
    COptions m_options{m_platform.services()};
    CDlgCursor m_cursor{m_options, m_platform.services()};
    CDlgTree m_tree{m_options, m_platform.services()};
    CDlgLights m_lights{m_options, m_platform.services()};
    CDlgSnow m_snow{m_options, m_platform.services()};
    CDlgFrost m_frost{m_options, m_platform.services()};
    CHighLoad m_highLoad{m_options, m_platform.services()};
};

// Hiding takes the five down in order (cursor, tree, garland, snow, frost)
// and showing makes them again in the same order; windows are touched only
// when the verdict changes.
TEST_F(HighLoadTest, OnlyTheFourQuietStatesHideAndShowInOrder)
{
    const std::pair<std::optional<Presence>, bool> cases[] = {
        {Presence::NotPresent, true},
        {Presence::Busy, true},
        {Presence::RunningD3DFullScreen, true},
        {Presence::PresentationMode, true},
        {Presence::AcceptsNotifications, false},
        {Presence::QuietTime, false},
        {Presence::App, false},
        {std::nullopt, false}, // a desktop that can't tell
    };
    int serial = 5;
    for (const auto& [state, hides] : cases) {
        SCOPED_TRACE(testing::Message() << "state " << (state ? int(*state) : 0));
        tick(state);
        EXPECT_EQ(liveWindows(), hides ? 0u : 5u);
        const size_t logged = m_platform.windows.log().size();
        tick(state);
        EXPECT_EQ(m_platform.windows.log().size(), logged);
        tick(Presence::AcceptsNotifications);
        ASSERT_EQ(liveWindows(), 5u);
        if (!hides)
            continue;
        const std::vector<int>& log = m_platform.windows.log();
        const std::vector<int> expected = {
            -(serial - 4), -(serial - 3), -(serial - 2), -(serial - 1), -serial,
            serial + 1,    serial + 2,    serial + 3,    serial + 4,    serial + 5};
        EXPECT_EQ(std::vector<int>(log.end() - 10, log.end()), expected);
        serial += 5;
    }
}

TEST_F(HighLoadTest, ComingBackMakesOnlyTheDecorationsThatAreOnAndMissing)
{
    tick(Presence::Busy);
    m_options.fTree = false;
    m_options.fGarland = 0;
    // The user switched the snow on again from its page while hidden.
    m_snow.Create();
    tick(Presence::AcceptsNotifications);
    EXPECT_EQ(m_platform.windows.log().size(), 13u); // 5 made, 5 gone, then 3 made
    EXPECT_EQ(liveWindows(), 3u);
    EXPECT_FALSE(m_tree.IsWindow() || m_lights.IsWindow());
}

TEST_F(HighLoadTest, StoppedWatcherLeavesTheWindowsAlone)
{
    m_highLoad.m_bEnabled = false;
    m_highLoad.ShowEffects(false);
    EXPECT_EQ(liveWindows(), 5u);
    // A stopped watcher's tick sees busy only for an absent user, and then
    // still touches nothing.
    tick(Presence::NotPresent);
    EXPECT_EQ(liveWindows(), 5u);
}

} // namespace
