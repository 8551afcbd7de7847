#include "FakeScreenLocker.h"
#include "ForeignWindow.h"
#include "ScreenInspection.h"
#include "WaitUntil.h"
#include "XServerSession.h"

#include "platform/SteadyClock.h"
#include "platform/X11Desktop.h"

#include <QWidget>
#ifdef YULAVIN_HAVE_DBUS
#include <QDBusConnection>
#endif

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using platform::Desktop;
using Presence = platform::Desktop::Presence;

namespace {

unsigned long rootActiveWindow(Display* dpy)
{
    const auto active =
        screen_inspection::property32(dpy, DefaultRootWindow(dpy), "_NET_ACTIVE_WINDOW");
    return active.empty() ? 0 : active.front();
}

void setRootActiveWindow(Display* dpy, unsigned long window)
{
    const Window active = window;
    XChangeProperty(dpy, DefaultRootWindow(dpy), XInternAtom(dpy, "_NET_ACTIVE_WINDOW", False),
                    XA_WINDOW, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&active),
                    1);
    XSync(dpy, False);
}

const QRect kFullScreen(0, 0, XServerSession::kWidth, XServerSession::kHeight);

} // namespace

// Each case runs against a fresh Xvfb 1280x720 when run through CTest; a
// window manager only where the case starts one.
class X11DesktopTest : public ::testing::Test {
protected:
    void SetUp() override { REQUIRE_X_SERVER(m_session); }

    void TearDown() override
    {
        if (m_session) {
            m_session->stopCompositor();
            m_session->stopWindowManager();
        }
    }

    Display* x() const { return m_session->display(); }

    bool xdotool(const QStringList& arguments) const { return m_session->xdotool(arguments); }

    uint32_t idleMs() { return m_clock.tickCount() - m_desktop.lastInputTick(); }

    XServerSession* m_session = nullptr;
    platform::SteadyClock m_clock;
    platform::X11Desktop m_desktop{m_clock};
};

TEST_F(X11DesktopTest, ScreensWithoutWindowManagerAreTheWholeServer)
{
    EXPECT_EQ(m_desktop.primaryScreenSize(), kFullScreen.size());
    EXPECT_EQ(m_desktop.virtualScreen(), kFullScreen);
    // Run in one process after a case with a panel, Qt hears of the panel's
    // end a moment later.
    EXPECT_TRUE(waitUntil([&] { return m_desktop.workArea() == kFullScreen; }));
    EXPECT_FALSE(m_desktop.taskbarAutoHide());
}

TEST_F(X11DesktopTest, WorkAreaLeavesRoomForADockedPanel)
{
    REQUIRE_PROGRAM("openbox");
    ASSERT_TRUE(m_session->startWindowManager());

    ForeignWindow dock(x(), QRect(0, XServerSession::kHeight - 40, XServerSession::kWidth, 40));
    dock.setType("_NET_WM_WINDOW_TYPE_DOCK");
    dock.setBottomStrut(40, XServerSession::kWidth);
    dock.map();

    const QRect expected(0, 0, XServerSession::kWidth, XServerSession::kHeight - 40);
    EXPECT_TRUE(waitUntil([&] { return m_desktop.workArea() == expected; }))
        << "work area stayed " << m_desktop.workArea().width() << "x"
        << m_desktop.workArea().height();
    EXPECT_EQ(m_desktop.primaryScreenSize(), kFullScreen.size());
    EXPECT_EQ(m_desktop.virtualScreen(), kFullScreen);
}

TEST_F(X11DesktopTest, CursorFollowsThePointer)
{
    REQUIRE_PROGRAM("xdotool");
    ASSERT_TRUE(xdotool({"mousemove", "123", "456"}));
    EXPECT_TRUE(waitUntil([&] { return m_desktop.cursorPos() == QPoint(123, 456); }));
    ASSERT_TRUE(xdotool({"mousemove", "1000", "20"}));
    EXPECT_TRUE(waitUntil([&] { return m_desktop.cursorPos() == QPoint(1000, 20); }));
}

TEST_F(X11DesktopTest, LeftButtonIsSeenWhileHeldAnywhere)
{
    REQUIRE_PROGRAM("xdotool");
    ASSERT_TRUE(xdotool({"mousemove", "600", "300"}));
    EXPECT_FALSE(m_desktop.leftButtonDown());

    ASSERT_TRUE(xdotool({"mousedown", "1"}));
    EXPECT_TRUE(waitUntil([&] { return m_desktop.leftButtonDown(); }));
    ASSERT_TRUE(xdotool({"mouseup", "1"}));
    EXPECT_TRUE(waitUntil([&] { return !m_desktop.leftButtonDown(); }));
}

TEST_F(X11DesktopTest, IdleTimeGrowsAndDropsAfterInput)
{
    REQUIRE_PROGRAM("xdotool");
    ASSERT_TRUE(xdotool({"mousemove", "10", "10"}));
    ASSERT_TRUE(waitUntil([&] { return idleMs() < 200; }));
    const uint32_t lastInput = m_desktop.lastInputTick();

    // Time has to pass for the idle time to grow; nothing else is awaited.
    const uint32_t start = m_clock.tickCount();
    waitUntil([&] { return m_clock.tickCount() - start >= 400; });
    EXPECT_GE(idleMs(), 380u);
    // The last input stays put while nobody touches anything (the server and
    // our clock may disagree by a few milliseconds).
    EXPECT_NEAR(static_cast<double>(m_desktop.lastInputTick()), static_cast<double>(lastInput),
                30.0);

    ASSERT_TRUE(xdotool({"mousemove", "50", "50"}));
    EXPECT_TRUE(waitUntil([&] { return idleMs() < 200; })) << "idle " << idleMs();
}

TEST_F(X11DesktopTest, RunningScreenSaverMeansUserNotPresent)
{
    EXPECT_FALSE(m_desktop.screenSaverRunning());
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);

    XForceScreenSaver(x(), ScreenSaverActive);
    XSync(x(), False);
    EXPECT_TRUE(waitUntil([&] { return m_desktop.screenSaverRunning(); }));
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::NotPresent);

    XForceScreenSaver(x(), ScreenSaverReset);
    XSync(x(), False);
    EXPECT_TRUE(waitUntil([&] { return !m_desktop.screenSaverRunning(); }));
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
}

TEST_F(X11DesktopTest, LockedSessionMeansUserNotPresent)
{
#ifndef YULAVIN_HAVE_DBUS
    GTEST_SKIP() << "built without D-Bus";
#else
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed";
    // The locker is another program on the session bus.
    FakeScreenLocker locker;
    QDBusConnection lockerBus = QDBusConnection::connectToBus(address, "locker");
    ASSERT_TRUE(lockerBus.registerService("org.freedesktop.ScreenSaver"));
    ASSERT_TRUE(lockerBus.registerObject("/org/freedesktop/ScreenSaver", &locker,
                                         QDBusConnection::ExportAllSlots));

    EXPECT_FALSE(m_desktop.screenSaverRunning());
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
    locker.active = true;
    EXPECT_TRUE(waitUntil([&] { return m_desktop.screenSaverRunning(); }));
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::NotPresent);
    locker.active = false;
    EXPECT_TRUE(waitUntil(
        [&] { return m_desktop.userNotificationState() == Presence::AcceptsNotifications; }));

    lockerBus.unregisterObject("/org/freedesktop/ScreenSaver");
    lockerBus.unregisterService("org.freedesktop.ScreenSaver");
    QDBusConnection::disconnectFromBus("locker");
#endif
}

TEST_F(X11DesktopTest, ActiveWindowCoveringTheScreenIsBusy)
{
    // No window manager: the window lies where it asks, and the test plays
    // the window manager's part of naming the active window.
    ForeignWindow game(x(), kFullScreen);
    game.map();
    game.markActiveOnRoot();
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::Busy);

    game.resize(QRect(0, 0, XServerSession::kWidth, XServerSession::kHeight - 20));
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
}

TEST_F(X11DesktopTest, DesktopWindowIsNotBusy)
{
    ForeignWindow desktopWindow(x(), kFullScreen);
    desktopWindow.setType("_NET_WM_WINDOW_TYPE_DESKTOP");
    desktopWindow.map();
    desktopWindow.markActiveOnRoot();
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
}

TEST_F(X11DesktopTest, UnmappedOrVanishedActiveWindowIsNotBusy)
{
    unsigned long gone = 0;
    {
        ForeignWindow hidden(x(), kFullScreen);
        hidden.markActiveOnRoot();
        EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
        gone = hidden.id();
    }
    setRootActiveWindow(x(), gone);
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
}

TEST_F(X11DesktopTest, FullScreenProgramUnderWindowManagerIsBusy)
{
    REQUIRE_PROGRAM("openbox");
    ASSERT_TRUE(m_session->startWindowManager());

    ForeignWindow player(x(), QRect(100, 100, 400, 300));
    player.map();
    ASSERT_TRUE(waitUntil([&] { return rootActiveWindow(x()) == player.id(); }));
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);

    player.requestFullScreen(true);
    EXPECT_TRUE(waitUntil([&] { return m_desktop.userNotificationState() == Presence::Busy; }));

    player.requestFullScreen(false);
    EXPECT_TRUE(waitUntil(
        [&] { return m_desktop.userNotificationState() == Presence::AcceptsNotifications; }));
}

TEST_F(X11DesktopTest, WindowOpeningFullScreenIsBusyUntilClosed)
{
    REQUIRE_PROGRAM("openbox");
    ASSERT_TRUE(m_session->startWindowManager());
    {
        ForeignWindow game(x(), QRect(0, 0, 640, 480));
        game.setInitialStates({"_NET_WM_STATE_FULLSCREEN"});
        game.map();
        EXPECT_TRUE(waitUntil([&] { return m_desktop.userNotificationState() == Presence::Busy; }));
    }
    EXPECT_TRUE(waitUntil(
        [&] { return m_desktop.userNotificationState() == Presence::AcceptsNotifications; }));
}

TEST_F(X11DesktopTest, OwnFullScreenWindowDoesNotHideTheDecorations)
{
    REQUIRE_PROGRAM("openbox");
    ASSERT_TRUE(m_session->startWindowManager());

    QWidget own;
    own.showFullScreen();
    const unsigned long ownId = own.winId();
    ASSERT_TRUE(waitUntil([&] { return rootActiveWindow(x()) == ownId; }));
    ASSERT_TRUE(waitUntil([&] {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(x(), ownId, &attributes) &&
               attributes.width == XServerSession::kWidth &&
               attributes.height == XServerSession::kHeight;
    }));
    EXPECT_EQ(m_desktop.userNotificationState(), Presence::AcceptsNotifications);
}

TEST_F(X11DesktopTest, SessionRunsACompositorOnRequest)
{
    REQUIRE_PROGRAM("xcompmgr");
    EXPECT_TRUE(m_session->startCompositor());
    m_session->stopCompositor();
}
