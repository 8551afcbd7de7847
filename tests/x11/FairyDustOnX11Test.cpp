#include "X11Fixture.h"

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CDlgFrost.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CDlgTree.h"
#include "platform/LinuxPlatform.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <X11/Xlib.h>
#include <unistd.h>

namespace {

using namespace screen_inspection;

// The windows shown on the screen, bottom to top.
std::vector<unsigned long> shownStack(Display* dpy)
{
    std::vector<unsigned long> shown;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count))
        return shown;
    for (unsigned i = 0; i < count; ++i) {
        if (viewable(dpy, children[i]))
            shown.push_back(children[i]);
    }
    if (children)
        XFree(children);
    return shown;
}

// Whether nothing shown lies between the two windows (their window manager
// frames when they have them), `upper` above `lower`.
bool directlyAbove(Display* dpy, unsigned long upper, unsigned long lower)
{
    const std::vector<unsigned long> stack = shownStack(dpy);
    const auto upperAt = std::find(stack.begin(), stack.end(), topLevelOf(dpy, upper));
    const auto lowerAt = std::find(stack.begin(), stack.end(), topLevelOf(dpy, lower));
    return upperAt != stack.end() && lowerAt != stack.end() && upperAt == lowerAt + 1;
}

// One of the four colours of the stars, whole.
bool isStarColour(QRgb pixel)
{
    const QRgb colour = pixel & 0xffffffu;
    return colour == 0xff00ffu || colour == 0x00ff00u || colour == 0x00ffffu || colour == 0xffff00u;
}

// The settings window of this process and the fairy dust under it, on a
// real X server, open from the start and driven as a user would.
class FairyDustOnX11Test : public X11Fixture {
protected:
    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("xdotool");
    }

    struct Running {
        CZelApp& app;
        CZelDlg& dlg;
    };

    // Runs the settings window while `whileRunning` looks at it, then ends
    // its loop as Exit does.
    static void runWindow(const std::function<void(const Running&)>& whileRunning)
    {
        platform::LinuxPlatform services;
        CZelApp app(services.services());
        app.m_translate.LoadLanguage(app.m_options.Language);
        app.m_pDlgCursor = std::make_unique<CDlgCursor>(app.m_options, app.m_services);
        app.m_pDlgTree = std::make_unique<CDlgTree>(app.m_options, app.m_services);
        app.m_pDlgLights = std::make_unique<CDlgLights>(app.m_options, app.m_services);
        app.m_pDlgSnow = std::make_unique<CDlgSnow>(app.m_options, app.m_services);
        app.m_pDlgFrost = std::make_unique<CDlgFrost>(app.m_options, app.m_services);
        app.m_pMainDlg = std::make_unique<CZelDlg>(app);
        CZelDlg& dlg = *app.m_pMainDlg;
        dlg.m_bStartHidden = false;
        QTimer::singleShot(0, &dlg, [&] {
            whileRunning({app, dlg});
            dlg.OnTrayExit();
        });
        dlg.DoModal();
        app.m_pMainDlg.reset();
    }

    // The fairy dust's window: the one decoration window this process shows.
    unsigned long dust() const
    {
        const std::vector<unsigned long> found = decorationWindowsOf(x(), getpid());
        return found.size() == 1 ? found.front() : 0;
    }
    // The settings window's outline in screen pixels, frame and all.
    QRect outline(const CZelDlg& dlg) const
    {
        return screenRect(x(), topLevelOf(x(), dlg.winId()));
    }
    // Ready when the window shows, has the keyboard and its dust is above it.
    bool settled(const CZelDlg& dlg, unsigned long& dustWindow) const
    {
        return waitUntil(
            [&] {
                return dlg.isVisible() && dlg.isActiveWindow() && (dustWindow = dust()) != 0 &&
                       directlyAbove(x(), dustWindow, dlg.winId());
            },
            5000);
    }
};

class FairyDustStackingTest : public FairyDustOnX11Test,
                              public ::testing::WithParamInterface<bool> {};

// Another window comes up over both and goes again; the settings window
// comes back to the front (through the window manager, or raised by itself
// where none runs): the dust lies directly above it all along.
TEST_P(FairyDustStackingTest, DustLiesDirectlyAboveTheSettingsWindow)
{
    const bool windowManager = GetParam();
    if (windowManager) {
        REQUIRE_PROGRAM("openbox");
        ASSERT_TRUE(m_session->startWindowManager());
    }
    ForeignWindow& other = foreignWindow(QRect(700, 300, 400, 300), 0x3050a0);
    ASSERT_TRUE(shown(other.id()));
    runWindow([&](const Running& running) {
        CZelDlg& dlg = running.dlg;
        unsigned long dustWindow = 0;
        ASSERT_TRUE(settled(dlg, dustWindow)) << "dust " << dust();

        if (windowManager)
            ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(other.id())}));
        else
            XRaiseWindow(x(), other.id());
        XSync(x(), False);
        EXPECT_TRUE(
            waitUntil([&] { return stackedAbove(x(), other.id(), dustWindow) == true; }, 3000));
        EXPECT_TRUE(directlyAbove(x(), dustWindow, dlg.winId()));

        if (windowManager)
            ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(dlg.winId())}));
        else
            XRaiseWindow(x(), dlg.winId());
        XSync(x(), False);
        EXPECT_TRUE(
            waitUntil([&] { return stackedAbove(x(), dlg.winId(), other.id()) == true; }, 3000));
        EXPECT_TRUE(waitUntil([&] { return directlyAbove(x(), dustWindow, dlg.winId()); }, 3000));
    });
}

INSTANTIATE_TEST_SUITE_P(Desktops, FairyDustStackingTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& desktop) {
                             return desktop.param ? "WithWindowManager" : "WithoutWindowManager";
                         });

// Dragged by its title bar, the window leaves stars on its edges that the
// user sees, also where they fall across the window itself; every point
// lies on the window's outline in screen pixels, scaled by Qt or not.
TEST_F(FairyDustOnX11Test, DraggedWindowShedsStarsAlongItsEdges)
{
    REQUIRE_PROGRAM("openbox");
    REQUIRE_PROGRAM("xcompmgr");
    ASSERT_TRUE(m_session->startWindowManager());
    ASSERT_TRUE(m_session->startCompositor());
    runWindow([&](const Running& running) {
        CZelDlg& dlg = running.dlg;
        unsigned long dustWindow = 0;
        ASSERT_TRUE(settled(dlg, dustWindow)) << "dust " << dust();
        // The window's own picture may hold a few pixels of those colours.
        const QRect screen(0, 0, XServerSession::kWidth, XServerSession::kHeight);
        const QRect before = outline(dlg);
        const QImage still = screenshot(x(), screen);
        const int stillOnScreen = countPixels(still, isStarColour);
        const int stillInside = countPixels(still.copy(before), isStarColour);

        // The window manager raises the window as the drag starts.
        const std::vector<unsigned long> extents =
            property32(x(), dlg.winId(), "_NET_FRAME_EXTENTS");
        ASSERT_EQ(extents.size(), 4u);
        const QPoint grip(before.center().x(), before.top() + static_cast<int>(extents[2]) / 2);
        const QPoint moved(-90, 40);
        QStringList drag{"mousemove", QString::number(grip.x()), QString::number(grip.y()),
                         "mousedown", "1"};
        for (int step = 1; step <= 8; ++step) {
            const QPoint to = grip + moved * step / 8;
            drag << "sleep"
                 << "0.03"
                 << "mousemove" << QString::number(to.x()) << QString::number(to.y());
        }
        ASSERT_TRUE(xdotool(drag << "mouseup"
                                 << "1"));
        ASSERT_TRUE(waitUntil([&] { return outline(dlg) == before.translated(moved); }, 3000));

        QRect after;
        int inside = 0;
        EXPECT_TRUE(waitUntil(
            [&] {
                after = outline(dlg);
                const QImage picture = screenshot(x(), screen);
                inside = countPixels(picture.copy(after), isStarColour);
                return countPixels(picture, isStarColour) > stillOnScreen + 50 &&
                       inside > stillInside + 10;
            },
            3000))
            << inside - stillInside << " star pixels over the window";
        EXPECT_TRUE(directlyAbove(x(), dustWindow, dlg.winId()));

        // Frames stopped, the points of one more move stay in the queue.
        running.app.m_services.scheduler->killAllTimers(&dlg.m_effectUnder);
        dlg.m_effectUnder.m_points.clear();
        ASSERT_TRUE(xdotool({"windowmove", "--sync", QString::number(dlg.winId()), "60", "50"}));
        ASSERT_TRUE(waitUntil([&] { return dlg.m_effectUnder.m_points.size() >= 4; }, 3000));
        const QRect frame = outline(dlg);
        const std::vector<QPoint> points(dlg.m_effectUnder.m_points.end() - 4,
                                         dlg.m_effectUnder.m_points.end());
        // Qt's logical pixels on a scaled screen round the frame by a pixel.
        const int slack = dlg.devicePixelRatio() > 1 ? 1 : 0;
        EXPECT_NEAR(points[0].y(), frame.top(), slack);
        EXPECT_NEAR(points[1].x(), frame.x() + frame.width(), slack);
        EXPECT_NEAR(points[2].y(), frame.y() + frame.height(), slack);
        EXPECT_NEAR(points[3].x(), frame.left(), slack);
    });
}

} // namespace
