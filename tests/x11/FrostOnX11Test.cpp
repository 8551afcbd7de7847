#include "ForeignWindow.h"
#include "ScreenInspection.h"
#include "WaitUntil.h"
#include "X11Fixture.h"

#include "core/COptions.h"
#include "decorations/CDlgFrost.h"
#include "platform/Platform.h"
#include "platform/QtWindowSystem.h"
#include "platform/X11Desktop.h"
#include "support/FakeClock.h"
#include "support/FakeScheduler.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace {

using namespace screen_inspection;

// The frost window on Xvfb with xcompmgr, idle time and screen saver from
// the X server itself. The frost's timers run on virtual time (its fade takes
// minutes); the idle time it reads is the server's own, so the input is real
// XTest input.
class FrostOnX11Test : public X11Fixture {
protected:
    static constexpr QRgb kDesktopColour = qRgb(0x20, 0x30, 0x40);
    const QRect kScreen{0, 0, XServerSession::kWidth, XServerSession::kHeight};

    void SetUp() override
    {
        m_services.clock = &m_clock;
        m_services.scheduler = &m_scheduler;
        m_services.desktop = &m_desktop;
        m_services.windows = &m_windows;
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("xcompmgr");
        REQUIRE_PROGRAM("xdotool");
        ASSERT_TRUE(m_session->startCompositor());
    }

    void TearDown() override
    {
        if (m_session)
            setScreenSaver(ScreenSaverReset);
        X11Fixture::TearDown();
    }

    void setScreenSaver(int mode)
    {
        XForceScreenSaver(x(), mode);
        XSync(x(), False);
    }

    uint32_t idleMs() { return m_clock.tickCount() - m_desktop.lastInputTick(); }

    // Pixels of the screen that are not the desktop's colour.
    int frostedPixels()
    {
        return countPixels(screenshot(x(), kScreen), [](QRgb pixel) {
            return (pixel & 0xffffffu) != (kDesktopColour & 0xffffffu);
        });
    }

    FakeClock m_clock;
    FakeScheduler m_scheduler{m_clock};
    platform::X11Desktop m_desktop{m_clock};
    platform::QtWindowSystem m_windows;
    platform::Platform m_services;
    COptions m_options{m_services};
};

TEST_F(FrostOnX11Test, CreepsInWhenTheServerSeesNoInputAndGoesAtTheFirstInput)
{
    foreignWindow(kScreen, kDesktopColour & 0xffffffu);
    ASSERT_TRUE(waitUntil([&] { return frostedPixels() == 0; }));

    ASSERT_TRUE(xdotool({"mousemove", "10", "10"}));
    CDlgFrost frost(m_options, m_services);
    frost.m_dwWaitTime = 60000;
    ASSERT_TRUE(frost.Create());
    m_scheduler.advance(10000);
    EXPECT_FALSE(frost.m_bShown) << "frost after " << idleMs() << " ms without input";

    // No wait at all: the frost comes once the server has seen a quiet second.
    frost.m_dwWaitTime = 0;
    ASSERT_TRUE(waitUntil([&] { return idleMs() > 1100; }));
    m_scheduler.advance(10000);
    EXPECT_TRUE(frost.m_bShown);
    EXPECT_EQ(frost.m_nAlpha, 5);

    // The screen saver starts: the frost goes, and stays away while it runs.
    setScreenSaver(ScreenSaverActive);
    ASSERT_TRUE(waitUntil([&] { return m_desktop.screenSaverRunning(); }));
    EXPECT_EQ(m_desktop.userNotificationState(), platform::Desktop::Presence::NotPresent);
    m_scheduler.advance(500);
    EXPECT_FALSE(frost.m_bShown);
    m_scheduler.advance(10000);
    EXPECT_FALSE(frost.m_bShown);
    setScreenSaver(ScreenSaverReset);
    ASSERT_TRUE(waitUntil([&] { return !m_desktop.screenSaverRunning(); }));
    EXPECT_EQ(m_desktop.userNotificationState(), platform::Desktop::Presence::AcceptsNotifications);

    // Idle again: 52 steps of 5 make it opaque, and the screen shows it.
    ASSERT_TRUE(waitUntil([&] { return idleMs() > 1100; }));
    m_scheduler.advance(520000);
    EXPECT_EQ(frost.m_nAlpha, 255);
    const int area = XServerSession::kWidth * XServerSession::kHeight;
    EXPECT_TRUE(waitUntil([&] { return frostedPixels() > area / 10; }))
        << frostedPixels() << " pixels frosted";

    // The first input clears it within one check of half a second.
    ASSERT_TRUE(xdotool({"mousemove", "200", "10"}));
    ASSERT_TRUE(waitUntil([&] { return idleMs() < 500; }));
    m_scheduler.advance(500);
    EXPECT_FALSE(frost.m_bShown);
    EXPECT_EQ(frost.m_nAlpha, 0);
    EXPECT_TRUE(waitUntil([&] { return frostedPixels() == 0; }))
        << frostedPixels() << " pixels still frosted";
    frost.DestroyWindow();
}

} // namespace
