#include "ForeignWindow.h"
#include "ScreenInspection.h"
#include "X11Fixture.h"
#include "support/WaitUntil.h"

#include "core/COptions.h"
#include "decorations/DecorationWindow.h"
#include "platform/OverlayWindow.h"
#include "platform/Platform.h"
#include "platform/QtScheduler.h"
#include "platform/QtWindowSystem.h"
#include "platform/SteadyClock.h"
#include "platform/X11Desktop.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include <X11/Xlib.h>

namespace {

using namespace screen_inspection;

// A small decoration made for these tests: it covers the rectangle it is
// given, stacks itself as told and draws whatever the test asks for.
class TestDecoration final : public DecorationWindow {
public:
    TestDecoration(COptions& options, const platform::Platform& services, Template dialogTemplate,
                   QRect rect, bool onTop, bool COptions::*onTopSetting = nullptr)
        : DecorationWindow(dialogTemplate, options, services, onTopSetting), m_rect(rect),
          m_onTop(onTop)
    {
    }

    std::function<void(FrameDrawing&)> m_draw;
    uint8_t m_alpha = 255;

    void redraw() { RedrawWindow(); }
    platform::OverlayWindow* window() const
    {
        return dynamic_cast<platform::OverlayWindow*>(surface());
    }
    Window xid() const { return window() ? window()->nativeWindowId() : 0; }

protected:
    bool OnInitDialog() override
    {
        MoveWindow(m_rect);
        m_rcWindow = GetWindowRect();
        if (m_onTop)
            SetOnTop();
        else
            SetOnDesktop();
        return true;
    }
    void DrawFrame(FrameDrawing& graphics) override
    {
        if (m_draw)
            m_draw(graphics);
    }
    uint8_t ConstantAlpha() const override { return m_alpha; }

private:
    QRect m_rect;
    bool m_onTop;
};

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

// The screen's pixel as the user sees it (0xRRGGBB).
unsigned long screenPixel(Display* dpy, QPoint point)
{
    return screenshot(dpy, QRect(point, QSize(1, 1))).pixel(0, 0) & 0xffffffu;
}

bool near(unsigned long pixel, unsigned long expected)
{
    return std::abs(qRed(pixel) - qRed(expected)) <= 2 &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= 2 &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= 2;
}

// Real decoration windows on a fresh Xvfb 1280x720 (one per case when run
// through CTest), with openbox and xcompmgr where a case starts them.
class OverlayWindowTest : public X11Fixture {
protected:
    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        m_services.clock = &m_clock;
        m_services.scheduler = &m_scheduler;
        m_services.desktop = &m_desktop;
        m_services.windows = &m_windows;
    }

    QRect screen() { return m_desktop.virtualScreen(); }

    platform::SteadyClock m_clock;
    platform::QtScheduler m_scheduler;
    platform::X11Desktop m_desktop{m_clock};
    platform::QtWindowSystem m_windows;
    platform::Platform m_services;
    COptions m_options{m_services};
};

class OverlayStackingTest : public OverlayWindowTest, public ::testing::WithParamInterface<bool> {};

// Another program raises or activates its window, or maps a new one: the
// overlay stays above it on top and below it on the desktop, and clicks go
// through it.
TEST_P(OverlayStackingTest, OnTopOrOnDesktopHoldsWhileOtherWindowsRise)
{
    const bool windowManager = GetParam();
    REQUIRE_PROGRAM("xdotool");
    if (windowManager) {
        REQUIRE_PROGRAM("openbox");
        ASSERT_TRUE(m_session->startWindowManager());
    }
    ForeignWindow& normal = foreignWindow(QRect(100, 100, 300, 200), 0x0000ff);
    ASSERT_TRUE(shown(normal.id()));
    TestDecoration snow(m_options, m_services, DecorationWindow::Template::Overlay, screen(), true);
    snow.m_draw = [](FrameDrawing& graphics) {
        graphics.drawImage(filled(QSize(100, 100), Qt::white), 200, 150);
    };
    ASSERT_TRUE(snow.Create());
    ASSERT_TRUE(shown(snow.xid()));
    auto holds = [&](const ForeignWindow& other, bool above) {
        return waitUntil([&] { return stackedAbove(x(), snow.xid(), other.id()) == above; });
    };
    // A click on a flake over the window reaches the window.
    ASSERT_TRUE(holds(normal, true));
    ASSERT_TRUE(waitUntil([&] { return inputShapeOfFrame(x(), snow.xid()).isEmpty(); }));
    EXPECT_TRUE(m_session->clickAt(QPoint(250, 200)) && normal.waitForPress());

    for (bool onTop : {true, false, true}) {
        if (onTop)
            snow.SetOnTop();
        else
            snow.SetOnDesktop();
        EXPECT_TRUE(holds(normal, onTop)) << "on top " << onTop;
        if (windowManager) {
            if (!onTop)
                snow.Raise();
            ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(normal.id())}));
        }
        // The move that would break the order: the other window raised over
        // the snow on top, lowered under the snow on the desktop.
        if (onTop)
            XRaiseWindow(x(), normal.id());
        else
            XLowerWindow(x(), normal.id());
        XSync(x(), False);
        EXPECT_TRUE(holds(normal, onTop)) << "on top " << onTop << ", other window moved";
        ForeignWindow& later = foreignWindow(QRect(150, 150, 200, 100), 0xff0000);
        ASSERT_TRUE(shown(later.id()));
        EXPECT_TRUE(holds(later, onTop)) << "on top " << onTop << ", new window";
    }
}

INSTANTIATE_TEST_SUITE_P(WindowManager, OverlayStackingTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& testCase) {
                             return testCase.param ? "Openbox" : "None";
                         });

TEST_F(OverlayWindowTest, ScreenShowsThePictureBlendedOverTheDesktop)
{
    REQUIRE_PROGRAM("openbox");
    REQUIRE_PROGRAM("xcompmgr");
    ASSERT_TRUE(m_session->startWindowManager());
    ASSERT_TRUE(m_session->startCompositor());
    ForeignWindow& desktop = foreignWindow(QRect(0, 0, 640, 400), 0x00ff00);
    ASSERT_TRUE(shown(desktop.id()));

    TestDecoration snow(m_options, m_services, DecorationWindow::Template::Overlay, screen(), true);
    int left = 100;
    snow.m_draw = [&](FrameDrawing& graphics) {
        graphics.drawImage(filled(QSize(20, 20), Qt::white), left, 100);
        graphics.drawImage(filled(QSize(20, 20), QColor(255, 0, 0, 128)), 300, 100);
    };
    ASSERT_TRUE(snow.Create());
    // Frame by frame: where the white square is, a place it left (the
    // desktop shows again) and the half-transparent red square, each at the
    // frame's constant alpha.
    const struct {
        int left;
        uint8_t alpha;
        unsigned long white, red;
        QPoint desktopAt;
    } frames[] = {{100, 255, 0xffffff, 0x807f00, QPoint(200, 200)},
                  {150, 255, 0xffffff, 0x807f00, QPoint(105, 110)},
                  {150, 128, 0x80ff80, 0x40bf00, QPoint(105, 110)},
                  {200, 255, 0xffffff, 0x807f00, QPoint(160, 110)}};
    for (const auto& frame : frames) {
        left = frame.left;
        snow.m_alpha = frame.alpha;
        snow.redraw();
        for (auto [at, expected] :
             {std::pair{QPoint(frame.left + 10, 110), frame.white},
              std::pair{frame.desktopAt, 0x00ff00ul}, std::pair{QPoint(310, 110), frame.red}}) {
            EXPECT_TRUE(waitUntil([&] { return near(screenPixel(x(), at), expected); }))
                << "frame at " << frame.left << ", alpha " << int(frame.alpha) << ": " << std::hex
                << screenPixel(x(), at) << " at " << std::dec << at.x() << "," << at.y();
        }
    }
}

// The program's own windows (the settings window) belong to the same
// application as the decorations, yet stay above one on the desktop.
TEST_F(OverlayWindowTest, OwnWindowStaysAboveADecorationOnTheDesktop)
{
    REQUIRE_PROGRAM("openbox");
    REQUIRE_PROGRAM("xdotool");
    ASSERT_TRUE(m_session->startWindowManager());
    m_options.fSnowTop = false;
    TestDecoration snow(m_options, m_services, DecorationWindow::Template::Overlay, screen(), false,
                        &COptions::fSnowTop);
    ASSERT_TRUE(snow.Create());
    ASSERT_TRUE(shown(snow.xid()));
    QWindow settings;
    settings.setGeometry(100, 100, 300, 200);
    settings.show();
    ASSERT_TRUE(shown(settings.winId()));
    for (int activation = 0; activation < 2; ++activation) {
        ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(settings.winId())}));
        EXPECT_TRUE(waitUntil([&] {
            return stackedAbove(x(), settings.winId(), snow.xid()) == true;
        })) << "activation "
            << activation;
    }
}

// A desktop whose compositor is off, switched on and off again while the
// snow runs: where the picture is transparent the desktop shows, never
// black; a faint pixel is blended with a compositor and left out without
// one; clicks still reach the window below.
TEST_F(OverlayWindowTest, DesktopShowsAroundThePictureWithOrWithoutCompositor)
{
    REQUIRE_PROGRAM("openbox");
    REQUIRE_PROGRAM("xcompmgr");
    REQUIRE_PROGRAM("xdotool");
    ASSERT_TRUE(m_session->startWindowManager());
    ForeignWindow& desktop = foreignWindow(QRect(0, 0, 640, 400), 0x00ff00);
    ASSERT_TRUE(shown(desktop.id()));

    TestDecoration snow(m_options, m_services, DecorationWindow::Template::Overlay, screen(), true);
    int left = 100;
    snow.m_draw = [&](FrameDrawing& graphics) {
        graphics.drawImage(filled(QSize(20, 20), Qt::white), left, 100);
        graphics.drawImage(filled(QSize(20, 20), QColor(255, 0, 0, 64)), 300, 100);
    };
    ASSERT_TRUE(snow.Create());
    ASSERT_TRUE(shown(snow.xid()));
    const struct {
        bool compositor;
        int left;
    } frames[] = {{false, 100}, {false, 150}, {true, 150}, {true, 200}, {false, 200}, {false, 250}};
    bool compositorRuns = false;
    for (const auto& frame : frames) {
        if (frame.compositor != compositorRuns) {
            ASSERT_TRUE(frame.compositor ? m_session->startCompositor()
                                         : m_session->stopCompositor());
            compositorRuns = frame.compositor;
        }
        left = frame.left;
        snow.redraw();
        const unsigned long faint = frame.compositor ? 0x40bf00 : 0x00ff00;
        for (auto [at, expected] : {std::pair{QPoint(frame.left + 10, 110), 0xfffffful},
                                    std::pair{QPoint(frame.left - 40, 110), 0x00ff00ul},
                                    std::pair{QPoint(310, 110), faint}}) {
            EXPECT_TRUE(waitUntil([&] { return near(screenPixel(x(), at), expected); }))
                << "compositor " << frame.compositor << ", frame at " << frame.left << ": "
                << std::hex << screenPixel(x(), at) << " at " << std::dec << at.x() << ","
                << at.y();
        }
        const QImage seen = screenshot(x(), QRect(0, 0, 640, 400));
        EXPECT_EQ(countPixels(seen, [](QRgb pixel) { return (pixel & 0xffffff) == 0; }), 0)
            << "compositor " << frame.compositor << ", frame at " << frame.left;
        EXPECT_TRUE(m_session->clickAt(QPoint(frame.left + 10, 110)) && desktop.waitForPress())
            << "compositor " << frame.compositor << ", frame at " << frame.left;
    }
}

// On a screen Qt scales by two too (the _scaled run), every rectangle and
// picture stays in screen pixels.
// The memory a picture is painted into starts transparent and is said to be
// blank until it is first handed out, again after a change of size.
TEST_F(OverlayWindowTest, NewPictureMemoryIsBlankUntilHandedOut)
{
    platform::OverlayWindow window(true, nullptr, nullptr);
    window.setGeometry(QRect(0, 0, 64, 32));
    for (const QSize size : {QSize(64, 32), QSize(80, 40)}) {
        bool blank = false;
        QImage* picture = window.frameBuffer(size, blank);
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(blank) << size.width();
        EXPECT_EQ(*picture, filled(size, Qt::transparent)) << size.width();
        picture->fill(Qt::white);
        window.present(*picture, QRegion(picture->rect()), 255);
        EXPECT_NE(window.frameBuffer(size, blank), nullptr);
        EXPECT_FALSE(blank) << size.width();
    }
}

TEST_F(OverlayWindowTest, PictureMapsOneToOneOntoScreenPixels)
{
    REQUIRE_PROGRAM("xcompmgr");
    ASSERT_TRUE(m_session->startCompositor());
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    }
    TestDecoration whole(m_options, m_services, DecorationWindow::Template::Overlay, screen(),
                         false);
    ASSERT_TRUE(whole.Create());
    ASSERT_TRUE(shown(whole.xid()));
    EXPECT_EQ(depthOf(x(), whole.xid()), 32);
    EXPECT_EQ(whole.m_rcWindow, QRect(0, 0, XServerSession::kWidth, XServerSession::kHeight));
    // (Its X window may reach a row past the screen's edge.)
    EXPECT_EQ(onScreenRect(x(), whole.xid()), whole.m_rcWindow);
    EXPECT_TRUE(whole.window()->usesSharedMemory());
    whole.DestroyWindow();

    ForeignWindow& desktop = foreignWindow(QRect(0, 0, 640, 400), 0x000000);
    ASSERT_TRUE(shown(desktop.id()));
    TestDecoration snow(m_options, m_services, DecorationWindow::Template::Overlay,
                        QRect(11, 7, 301, 203), true);
    // A one-pixel checkerboard: any scaling would smear it.
    QImage board(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 255));
    snow.m_draw = [&](FrameDrawing& graphics) {
        graphics.drawImage(board.convertToFormat(QImage::Format_ARGB32_Premultiplied), 100, 50);
        graphics.drawImage(filled(QSize(1, 1), Qt::red), 300, 202);
    };
    ASSERT_TRUE(snow.Create());
    ASSERT_TRUE(shown(snow.xid()));
    EXPECT_EQ(snow.m_rcWindow, QRect(11, 7, 301, 203));
    EXPECT_EQ(screenRect(x(), snow.xid()), QRect(11, 7, 301, 203));
    ASSERT_TRUE(waitUntil([&] { return screenPixel(x(), QPoint(111, 57)) == 0x0000ff; }))
        << std::hex << screenPixel(x(), QPoint(111, 57));
    EXPECT_EQ(screenshot(x(), QRect(111, 57, 8, 8)), board);
    EXPECT_EQ(screenPixel(x(), QPoint(311, 209)), 0xff0000u);
}

} // namespace
