#include "X11Fixture.h"

#include "app/CZelApp.h"
#include "app/CZelDlg.h"
#include "platform/LinuxPlatform.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "support/DecorationObjects.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTimer>
#include <QWindow>

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

// Near one of the four colours of the stars: magenta, green, cyan, yellow.
// A star's arms are thinner than a pixel in places, so most of its pixels
// are only close to its colour.
bool isStarColour(QRgb pixel)
{
    auto high = [](int channel) { return channel >= 0xd0; };
    auto low = [](int channel) { return channel <= 0x60; };
    const int r = qRed(pixel);
    const int g = qGreen(pixel);
    const int b = qBlue(pixel);
    return (high(r) && low(g) && high(b)) || (low(r) && high(g) && low(b)) ||
           (low(r) && high(g) && high(b)) || (high(r) && high(g) && low(b));
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
        // Qt hears nothing when its active window is destroyed, so the
        // program stays active after a case before; a window of its own that
        // takes the keyboard and goes again makes this window's activation news.
        if (QGuiApplication::applicationState() == Qt::ApplicationActive) {
            QWindow passing;
            passing.setGeometry(0, 0, 50, 50);
            passing.show();
            passing.requestActivate();
            EXPECT_TRUE(waitUntil([&] { return passing.isActive(); }, 3000));
            passing.hide();
            EXPECT_TRUE(waitUntil(
                [] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 3000));
        }
        platform::LinuxPlatform services;
        CZelApp app(services.services());
        app.m_translate.LoadLanguage(app.m_options.Language);
        makeDecorationObjects(app);
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
        // Activated through the window manager, or raised by itself.
        auto bringToFront = [&](unsigned long window) {
            const bool done =
                !windowManager || xdotool({"windowactivate", "--sync", QString::number(window)});
            if (!windowManager)
                XRaiseWindow(x(), window);
            XSync(x(), False);
            return done;
        };

        ASSERT_TRUE(bringToFront(other.id()));
        EXPECT_TRUE(
            waitUntil([&] { return stackedAbove(x(), other.id(), dustWindow) == true; }, 3000));
        EXPECT_TRUE(directlyAbove(x(), dustWindow, dlg.winId()));

        ASSERT_TRUE(bringToFront(dlg.winId()));
        EXPECT_TRUE(
            waitUntil([&] { return stackedAbove(x(), dlg.winId(), other.id()) == true; }, 3000));
        EXPECT_TRUE(waitUntil([&] { return directlyAbove(x(), dustWindow, dlg.winId()); }, 3000));

        // Closed, and opened again from the icon's menu: a window manager
        // frames it anew.
        dlg.hide();
        ASSERT_TRUE(waitUntil([&] { return !viewable(x(), dlg.winId()); }, 3000));
        ASSERT_TRUE(waitUntil(
            [] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 3000));
        dlg.OnTraySettings();
        EXPECT_TRUE(waitUntil(
            [&] { return dlg.isActiveWindow() && directlyAbove(x(), dustWindow, dlg.winId()); },
            3000));
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
        // The title bar where the pointer can reach it, whatever the scale,
        // and none of the stars of that move left.
        ASSERT_TRUE(xdotool({"windowmove", "--sync", QString::number(dlg.winId()), "200", "60"}));
        ASSERT_TRUE(waitUntil([&] { return outline(dlg).top() >= 0; }, 3000));
        dlg.m_effectUnder.m_particles.clear();
        ASSERT_TRUE(waitUntil([&] { return dlg.m_effectUnder.lastDrawing().isEmpty(); }, 3000));
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
        const QPoint moved(-90, 0);
        QStringList drag{"mousemove", QString::number(grip.x()), QString::number(grip.y()),
                         "mousedown", "1"};
        for (int step = 1; step <= 8; ++step) {
            const QPoint to = grip + moved * step / 8;
            drag << "sleep"
                 << "0.03"
                 << "mousemove" << QString::number(to.x()) << QString::number(to.y());
        }
        // The window hears every step while the pointer moves, as in a
        // user's drag: xdotool runs beside the event loop.
        QProcess dragging;
        dragging.start(QStringLiteral("xdotool"), drag << "mouseup"
                                                       << "1");
        ASSERT_TRUE(waitUntil([&] { return dragging.state() == QProcess::NotRunning; }, 5000));
        ASSERT_EQ(dragging.exitCode(), 0);
        ASSERT_TRUE(waitUntil([&] { return outline(dlg) == before.translated(moved); }, 3000))
            << "from " << before.x() << "," << before.y() << " " << before.width() << "x"
            << before.height() << " to " << outline(dlg).x() << "," << outline(dlg).y();

        QRect after;
        int inside = 0;
        EXPECT_TRUE(waitUntil(
            [&] {
                after = outline(dlg);
                const QImage picture = screenshot(x(), screen);
                inside = countPixels(picture.copy(after), isStarColour);
                return countPixels(picture, isStarColour) > stillOnScreen + 40 &&
                       inside > stillInside + 8;
            },
            3000))
            << inside << " star pixels over the window, " << stillInside << " before; "
            << stillOnScreen << " on screen before; " << after.x() << "," << after.y() << " "
            << after.width() << "x" << after.height();
        EXPECT_TRUE(directlyAbove(x(), dustWindow, dlg.winId()));

        // Frames stopped, the points of one more move stay in the queue.
        running.app.m_services.scheduler->killAllTimers(&dlg.m_effectUnder);
        dlg.m_effectUnder.m_points.clear();
        ASSERT_TRUE(xdotool({"windowmove", "--sync", QString::number(dlg.winId()), "60", "50"}));
        ASSERT_TRUE(waitUntil([&] { return dlg.m_effectUnder.m_points.size() >= 4; }, 3000));
        const QRect frame = outline(dlg);
        const std::vector<QPoint> points(dlg.m_effectUnder.m_points.end() - 4,
                                         dlg.m_effectUnder.m_points.end());
        // Exact, also where Qt scales its own pixels.
        EXPECT_EQ(points[0].y(), frame.top());
        EXPECT_EQ(points[1].x(), frame.x() + frame.width());
        EXPECT_EQ(points[2].y(), frame.y() + frame.height());
        EXPECT_EQ(points[3].x(), frame.left());
    });
}

} // namespace
