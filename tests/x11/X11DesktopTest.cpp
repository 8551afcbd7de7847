#include "ForeignWindow.h"
#include "ScreenInspection.h"
#include "X11Fixture.h"
#include "support/WaitUntil.h"

#include "platform/SteadyClock.h"
#include "platform/X11Desktop.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <X11/Xlib.h>

using Presence = platform::Desktop::Presence;

namespace {

const QRect kFullScreen(0, 0, XServerSession::kWidth, XServerSession::kHeight);

// The desktop's answers against a fresh Xvfb 1280x720 (one per case when run
// through CTest); a window manager only where the case starts one.
class X11DesktopTest : public X11Fixture {
protected:
    void SetUp() override { REQUIRE_X_SERVER(m_session); }

    platform::SteadyClock m_clock;
    platform::X11Desktop m_desktop{m_clock};
};

TEST_F(X11DesktopTest, PointerAndLeftButtonAreSeenAnywhere)
{
    REQUIRE_PROGRAM("xdotool");
    for (QPoint at : {QPoint(123, 456), QPoint(1000, 20)}) {
        ASSERT_TRUE(xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())}));
        EXPECT_TRUE(waitUntil([&] { return m_desktop.cursorPos() == at; }));
    }
    EXPECT_FALSE(m_desktop.leftButtonDown());
    ASSERT_TRUE(xdotool({"mousedown", "1"}));
    EXPECT_TRUE(waitUntil([&] { return m_desktop.leftButtonDown(); }));
    ASSERT_TRUE(xdotool({"mouseup", "1"}));
    EXPECT_TRUE(waitUntil([&] { return !m_desktop.leftButtonDown(); }));
}

struct ActiveWindowCase {
    const char* name;
    int height;
    const char* type; // null for a normal window
    bool mapped;
    bool vanished;
    Presence presence;
};

class ActiveWindowTest : public X11DesktopTest,
                         public ::testing::WithParamInterface<ActiveWindowCase> {};

// No window manager: the window lies where it asks, and the test plays the
// window manager's part of naming the active window.
TEST_P(ActiveWindowTest, OnlyAShownWindowCoveringTheScreenIsBusy)
{
    const ActiveWindowCase& c = GetParam();
    auto window =
        std::make_unique<ForeignWindow>(x(), QRect(0, 0, XServerSession::kWidth, c.height));
    if (c.type)
        window->setAtom("_NET_WM_WINDOW_TYPE", c.type);
    if (c.mapped)
        window->map();
    window->markActiveOnRoot();
    if (c.vanished)
        window.reset();
    EXPECT_EQ(m_desktop.userNotificationState(), c.presence);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ActiveWindowTest,
    ::testing::Values(ActiveWindowCase{"FullScreen", XServerSession::kHeight, nullptr, true, false,
                                       Presence::Busy},
                      ActiveWindowCase{"ShorterThanTheScreen", XServerSession::kHeight - 20,
                                       nullptr, true, false, Presence::AcceptsNotifications},
                      ActiveWindowCase{"Desktop", XServerSession::kHeight,
                                       "_NET_WM_WINDOW_TYPE_DESKTOP", true, false,
                                       Presence::AcceptsNotifications},
                      ActiveWindowCase{"Unmapped", XServerSession::kHeight, nullptr, false, false,
                                       Presence::AcceptsNotifications},
                      ActiveWindowCase{"Vanished", XServerSession::kHeight, nullptr, true, true,
                                       Presence::AcceptsNotifications}),
    [](const ::testing::TestParamInfo<ActiveWindowCase>& testCase) { return testCase.param.name; });

TEST_F(X11DesktopTest, OwnFullScreenWindowDoesNotHideTheDecorations)
{
    REQUIRE_PROGRAM("openbox");
    ASSERT_TRUE(m_session->startWindowManager());

    QWidget own;
    own.showFullScreen();
    const unsigned long ownId = own.winId();
    ASSERT_TRUE(waitUntil([&] { return activeWindow() == ownId; }));
    ASSERT_TRUE(waitUntil(
        [&] { return screen_inspection::screenRect(x(), ownId).size() == kFullScreen.size(); }));
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
}

} // namespace
