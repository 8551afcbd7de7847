#include "ForeignWindow.h"
#include "ProgramUnderTest.h"
#include "ScreenInspection.h"
#include "X11Fixture.h"
#include "support/WaitUntil.h"

#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

using namespace screen_inspection;

const QRect kScreen(0, 0, XServerSession::kWidth, XServerSession::kHeight);

// The real program's decorations on Xvfb with openbox, xcompmgr and a tray
// (so that the settings window stays hidden, as on a user's desktop), next to
// windows of another program: a desktop window over the whole screen and a
// normal window in the middle, both dark so that snow and lights stand out.
class ProgramOnX11Test : public X11Fixture {
protected:
    static constexpr unsigned long kDesktopColour = 0x203040;
    static constexpr unsigned long kNormalColour = 0x102010;
    const QRect kNormalRect{400, 200, 480, 300};

    void SetUp() override
    {
        REQUIRE_X_SERVER(m_session);
        REQUIRE_PROGRAM("openbox");
        REQUIRE_PROGRAM("xcompmgr");
        REQUIRE_PROGRAM("trayer");
        REQUIRE_PROGRAM("xdotool");
        ASSERT_TRUE(m_session->startWindowManager());
        ASSERT_TRUE(m_session->startCompositor());
        ASSERT_TRUE(m_session->startTrayHost());
        m_program = std::make_unique<ProgramUnderTest>(*m_session);
    }

    void TearDown() override
    {
        if (m_program) {
            EXPECT_TRUE(m_program->terminate());
        }
        X11Fixture::TearDown();
    }

    // The desktop and a normal window, as the decorations find them.
    void makeDesktop()
    {
        m_desktop = &foreignWindow(kScreen, kDesktopColour, "_NET_WM_WINDOW_TYPE_DESKTOP");
        m_normal = &foreignWindow(kNormalRect, kNormalColour);
        ASSERT_TRUE(shown(m_desktop->id()));
        ASSERT_TRUE(shown(m_normal->id()));
        ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(m_normal->id())}));
    }

    // The decoration windows the program shows but the fairy dust's, which
    // falls from the settings window's edges, lies right above that window
    // and stays from start to end whatever the settings and the watcher say.
    std::vector<unsigned long> decorations() const
    {
        std::vector<unsigned long> found = m_program->decorationWindows();
        found.erase(std::remove_if(found.begin(), found.end(),
                                   [&](unsigned long window) { return isDust(window); }),
                    found.end());
        return found;
    }
    bool isDust(unsigned long window) const { return isFairyDust(x(), window); }
    bool waitForDecorations(size_t count, int timeoutMs = 10000) const
    {
        return waitUntil([&] { return decorations().size() == count; }, timeoutMs);
    }

    // The one decoration window the program shows.
    unsigned long onlyDecoration()
    {
        if (!waitForDecorations(1))
            return 0;
        return decorations().front();
    }

    std::unique_ptr<ProgramUnderTest> m_program;
    ForeignWindow* m_desktop = nullptr;
    ForeignWindow* m_normal = nullptr;
};

// How many 64x64 tiles of the picture hold at least `least` pixels the test
// wants, outside the rectangle left out.
int tilesWith(QImage picture, bool (*wanted)(QRgb), const QRect& leftOut = QRect(), int least = 1)
{
    QPainter(&picture).fillRect(leftOut, Qt::black);
    int tiles = 0;
    for (int y = 0; y < picture.height(); y += 64)
        for (int x = 0; x < picture.width(); x += 64)
            tiles += countPixels(picture.copy(x, y, 64, 64), wanted) >= least ? 1 : 0;
    return tiles;
}

// The picture's pixels that are the same in the later picture; the rest black.
QImage stillThere(QImage earlier, const QImage& later)
{
    for (int y = 0; y < earlier.height(); ++y)
        for (int x = 0; x < earlier.width(); ++x)
            if (later.pixel(x, y) != earlier.pixel(x, y))
                earlier.setPixel(x, y, qRgb(0, 0, 0));
    return earlier;
}

struct DecorationCase {
    const char* name;
    bool snow; // else the garland
    bool onTop;
    bool compositor = true;
};

class DecorationOnX11Test : public ProgramOnX11Test,
                            public ::testing::WithParamInterface<DecorationCase> {
protected:
    // Flakes all over the desktop, over the normal window only when on top,
    // and a pile along the bottom, above the panel.
    void expectSnow(bool onTop)
    {
        int tiles = 0;
        EXPECT_TRUE(waitUntil(
            [&] {
                return (tiles = tilesWith(screenshot(x(), kScreen), isWhitish, kNormalRect)) >= 20;
            },
            5000))
            << tiles << " tiles with snow";
        // The window itself, not its title bar, whose title is white.
        const QRect inside = screenRect(x(), m_normal->id());
        if (onTop) {
            EXPECT_TRUE(waitUntil([&] {
                return countPixels(screenshot(x(), inside), isWhitish) > 0;
            })) << "no flake over the normal window";
        } else {
            EXPECT_EQ(countPixels(screenshot(x(), inside), isWhitish), 0)
                << "flakes over the normal window";
        }
        // Snow that stays put (falling flakes are far away a moment later)
        // in at least half of the bottom rows' 64-pixel columns.
        const QRect bottom(0, kScreen.height() - 40 - 4, kScreen.width(), 4);
        int columns = 0;
        EXPECT_TRUE(waitUntil(
            [&] {
                const QImage earlier = screenshot(x(), bottom);
                waitUntil([] { return false; }, 300);
                columns = tilesWith(stillThere(earlier, screenshot(x(), bottom)), isWhitish);
                return columns >= kScreen.width() / 64 / 2;
            },
            8000))
            << columns << " columns with a pile";
    }

    // Only the strips along the edges are shown, with lit bulbs spread over
    // each edge's length (corners left out): an unlit bulb has a few bright
    // pixels of its highlight, a lit one hundreds.
    void expectGarland(unsigned long garland)
    {
        const QRect middle(kNormalRect.adjusted(-100, -100, 100, 100));
        QRegion shown;
        EXPECT_TRUE(waitUntil([&] {
            shown = boundingShapeOfFrame(x(), garland);
            return !shown.isEmpty() && !shown.intersects(middle);
        })) << "shown rectangles: "
            << shown.rectCount();
        EXPECT_TRUE(shown.contains(QRect(0, 0, kScreen.width(), 24)));
        const int depth = 48;
        const int corner = 64;
        for (const QRect& strip :
             {QRect(corner, 0, kScreen.width() - 2 * corner, depth),
              QRect(corner, kScreen.height() - depth, kScreen.width() - 2 * corner, depth),
              QRect(0, corner, depth, kScreen.height() - 2 * corner),
              QRect(kScreen.width() - depth, corner, depth, kScreen.height() - 2 * corner)}) {
            int tiles = 0;
            EXPECT_TRUE(waitUntil([&] {
                tiles = tilesWith(screenshot(x(), strip), isBrightColour, QRect(), 40);
                return tiles >= (strip.width() + strip.height() - depth) / 64 * 3 / 4;
            })) << "edge at "
                << strip.x() << "," << strip.y() << ": lit bulbs in " << tiles << " tiles";
        }
    }
};

// The snow stops above a panel along the bottom; the garland frames the
// whole screen with steady lights. Either stacks as its on-top setting says,
// takes no focus and lets clicks through to the desktop and the window.
TEST_P(DecorationOnX11Test, CoversTheScreenLetsClicksThroughAndShowsItsPicture)
{
    const auto [name, snow, onTop, compositor] = GetParam();
    if (!compositor) {
        ASSERT_TRUE(m_session->stopCompositor());
    }
    if (snow) {
        ForeignWindow& panel = foreignWindow(QRect(0, kScreen.height() - 40, kScreen.width(), 40),
                                             0x404040, "_NET_WM_WINDOW_TYPE_DOCK");
        panel.setBottomStrut(40, kScreen.width());
        ASSERT_TRUE(waitUntil([&] {
            const auto area = property32(x(), DefaultRootWindow(x()), "_NET_WORKAREA");
            return area.size() >= 4 && area[3] == kScreen.height() - 40u;
        })) << "the window manager did not shrink the work area";
    }
    makeDesktop();
    m_program->writeSettings(
        QString(snow ? "fSnow=1 fSnowTop=%1 uSnowSpeed=9 uSnowDensity=9 "
                       "fSnowAcumulate=1 strSnowType=fluffy"
                     : "fGarland=1 fGarlandTop=%1 strGarland=multicolor iFlash=0")
            .arg(onTop ? 1 : 0));
    ASSERT_TRUE(m_program->start());
    // Found only when it is kept out of the taskbar and the pager.
    const unsigned long decoration = onlyDecoration();
    ASSERT_NE(decoration, 0u);

    EXPECT_EQ(onScreenRect(x(), decoration),
              snow ? QRect(0, 0, kScreen.width(), kScreen.height() - 40) : kScreen);
    EXPECT_TRUE(waitUntil([&] { return stackedAbove(x(), decoration, m_normal->id()) == onTop; }))
        << name;
    EXPECT_TRUE(waitUntil([&] { return stackedAbove(x(), decoration, m_desktop->id()) == true; }));
    EXPECT_EQ(activeWindow(), m_normal->id());

    ASSERT_TRUE(waitUntil([&] { return inputShapeOfFrame(x(), decoration).isEmpty(); }));
    EXPECT_TRUE(m_session->clickAt(QPoint(kScreen.width() / 2, 24)) && m_desktop->waitForPress());
    EXPECT_TRUE(m_session->clickAt(kNormalRect.center()) && m_normal->waitForPress());
    if (snow)
        expectSnow(onTop);
    else
        expectGarland(decoration);
    // Transparent pixels never show black, with or without a compositor (a
    // window manager may lag a moment behind a window's shape).
    const QRect desktopStrip(0, 0, kScreen.width(), kNormalRect.top() - 40);
    int black = 0;
    EXPECT_TRUE(waitUntil([&] {
        black = countPixels(screenshot(x(), desktopStrip),
                            [](QRgb pixel) { return (pixel & 0xffffff) == 0; });
        return black == 0;
    })) << black
        << " black pixels";
}

INSTANTIATE_TEST_SUITE_P(
    Decorations, DecorationOnX11Test,
    ::testing::Values(DecorationCase{"SnowOnTop", true, true},
                      DecorationCase{"SnowOnDesktop", true, false},
                      DecorationCase{"SnowOnTopWithoutCompositor", true, true, false},
                      DecorationCase{"SnowOnDesktopWithoutCompositor", true, false, false},
                      DecorationCase{"GarlandOnTop", false, true},
                      DecorationCase{"GarlandOnDesktop", false, false},
                      DecorationCase{"GarlandOnDesktopWithoutCompositor", false, false, false}),
    [](const ::testing::TestParamInfo<DecorationCase>& testCase) { return testCase.param.name; });

// Without a compositor and without a desktop-icons window, the decorations
// on the desktop are shown together in one plain window at the bottom of the
// screen, over the desktop's own background.
class DesktopLayerOnX11Test : public ProgramOnX11Test {
protected:
    static constexpr unsigned long kBackground = 0x305070;
    static constexpr unsigned long kNewBackground = 0x604030;
    // Between the garland along the top and the normal window.
    const QRect kOpenDesktop{64, 64, XServerSession::kWidth - 128, 120};

    void SetUp() override
    {
        ProgramOnX11Test::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(m_session->stopCompositor());
        setDesktopBackground(kBackground, false);
        m_normal = &foreignWindow(kNormalRect, kNormalColour);
        ASSERT_TRUE(shown(m_normal->id()));
        m_program->writeSettings("fSnow=1 fSnowTop=0 uSnowDensity=9 uSnowSpeed=9 "
                                 "strSnowType=fluffy fGarland=1 fGarlandTop=0 "
                                 "strGarland=multicolor iFlash=0");
        ASSERT_TRUE(m_program->start());
        ASSERT_TRUE(waitForDecorations(2)) << decorations().size();
    }

    void TearDown() override
    {
        if (m_session && m_session->available())
            setDesktopBackground(BlackPixel(x(), DefaultScreen(x())), false);
        ProgramOnX11Test::TearDown();
    }

    // As a program that sets the desktop's background does, telling others
    // through the root's property or not.
    void setDesktopBackground(unsigned long colour, bool announce)
    {
        const Window root = DefaultRootWindow(x());
        XSetWindowBackground(x(), root, colour);
        XClearWindow(x(), root);
        const Atom property = XInternAtom(x(), "_XROOTPMAP_ID", False);
        if (announce) {
            const long pixmap = 0;
            XChangeProperty(x(), root, property, XA_PIXMAP, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&pixmap), 1);
        } else {
            XDeleteProperty(x(), root, property);
        }
        XSync(x(), False);
    }

    // The program's plain window of the screen's depth over the whole screen.
    unsigned long layerWindow() const
    {
        for (unsigned long window : viewableWindowsOf(x(), m_program->pid())) {
            if (depthOf(x(), window) != 32 && onScreenRect(x(), window) == kScreen)
                return window;
        }
        return 0;
    }

    // How much of the area shows exactly this colour.
    double shareOf(const QRect& area, unsigned long colour) const
    {
        const int pixels = countPixels(
            screenshot(x(), area), [colour](QRgb pixel) { return (pixel & 0xffffff) == colour; });
        return double(pixels) / (area.width() * area.height());
    }

    bool decorationsShowNothingThemselves() const
    {
        const std::vector<unsigned long> all = decorations();
        return std::all_of(all.begin(), all.end(), [&](unsigned long decoration) {
            return boundingShapeOfFrame(x(), decoration).isEmpty();
        });
    }

    void expectSnowAndLightsShown()
    {
        int tiles = 0;
        EXPECT_TRUE(waitUntil([&] {
            return (tiles = tilesWith(screenshot(x(), kScreen), isWhitish, kNormalRect)) >= 20;
        })) << tiles
            << " tiles with snow";
        const QRect top(64, 0, kScreen.width() - 128, 48);
        EXPECT_TRUE(waitUntil([&] {
            return (tiles = tilesWith(screenshot(x(), top), isBrightColour, QRect(), 40)) >=
                   top.width() / 64 * 3 / 4;
        })) << "lit bulbs in "
            << tiles << " tiles";
    }
};

// Snow and lights over the background, nothing black, nothing over the
// normal window, no shaped window anywhere, clicks going through; a window
// moved away leaves no trace, and a new background shows.
TEST_F(DesktopLayerOnX11Test, ShowsTheDecorationsOverTheDesktopsBackground)
{
    unsigned long layer = 0;
    ASSERT_TRUE(waitUntil([&] { return (layer = layerWindow()) != 0; }));
    EXPECT_EQ(depthOf(x(), layer), DefaultDepth(x(), DefaultScreen(x())));
    EXPECT_TRUE(inputShapeOfFrame(x(), layer).isEmpty());
    EXPECT_TRUE(waitUntil([&] { return decorationsShowNothingThemselves(); }));
    EXPECT_EQ(stackedAbove(x(), m_normal->id(), layer), true);
    for (unsigned long decoration : decorations())
        EXPECT_EQ(stackedAbove(x(), decoration, layer), true);

    expectSnowAndLightsShown();
    EXPECT_GT(shareOf(kOpenDesktop, kBackground), 0.8);
    EXPECT_EQ(shareOf(kScreen, 0), 0.0) << "black pixels";
    EXPECT_EQ(countPixels(screenshot(x(), screenRect(x(), m_normal->id())), isWhitish), 0)
        << "flakes over the normal window";
    EXPECT_TRUE(m_session->clickAt(kNormalRect.center()) && m_normal->waitForPress());

    // Moved down and right: its old top-left corner shows the desktop again.
    const QRect uncovered(kNormalRect.topLeft(), QSize(200, 100));
    ASSERT_TRUE(xdotool({"windowmove", QString::number(m_normal->id()), "700", "400"}));
    EXPECT_TRUE(waitUntil([&] {
        return shareOf(uncovered, kNormalColour) == 0.0 && shareOf(uncovered, kBackground) > 0.8;
    })) << shareOf(uncovered, kNormalColour)
        << " still the window's colour";

    setDesktopBackground(kNewBackground, true);
    EXPECT_TRUE(waitUntil([&] { return shareOf(kOpenDesktop, kNewBackground) > 0.8; }, 2000))
        << shareOf(kOpenDesktop, kNewBackground) << " of the open desktop in the new colour";
}

// A compositor, or a desktop-icons window that the layer would hide, hands
// the pictures back to the decorations' own windows, and the layer goes.
TEST_F(DesktopLayerOnX11Test, GivesWayToACompositorAndToADesktopIconsWindow)
{
    ASSERT_TRUE(waitUntil([&] { return layerWindow() != 0; }));
    ASSERT_TRUE(m_session->startCompositor());
    EXPECT_TRUE(waitUntil([&] { return layerWindow() == 0; }));
    EXPECT_TRUE(waitUntil([&] { return !decorationsShowNothingThemselves(); }));
    expectSnowAndLightsShown();

    ASSERT_TRUE(m_session->stopCompositor());
    EXPECT_TRUE(
        waitUntil([&] { return layerWindow() != 0 && decorationsShowNothingThemselves(); }));
    expectSnowAndLightsShown();

    m_desktop = &foreignWindow(kScreen, kDesktopColour, "_NET_WM_WINDOW_TYPE_DESKTOP");
    ASSERT_TRUE(shown(m_desktop->id()));
    EXPECT_TRUE(waitUntil([&] { return layerWindow() == 0; }));
    EXPECT_TRUE(waitUntil([&] { return !decorationsShowNothingThemselves(); }));
    expectSnowAndLightsShown();
    EXPECT_GT(shareOf(kOpenDesktop, kDesktopColour), 0.5);
    int black = 0;
    EXPECT_TRUE(waitUntil([&] {
        return (black = countPixels(screenshot(x(), kOpenDesktop),
                                    [](QRgb pixel) { return (pixel & 0xffffff) == 0; })) == 0;
    })) << black
        << " black pixels";
}

TEST_F(ProgramOnX11Test, DraggedTreeIsBackAtItsPlaceAfterARestart)
{
    makeDesktop();
    // "Joy" at the fastest speed: a new picture every 100 ms.
    m_program->writeSettings("fTree=1 iTree=2 iTreeX=100 iTreeY=60 fTreeTop=1 iTreeSpeed=10");
    ASSERT_TRUE(m_program->start());
    const unsigned long tree = onlyDecoration();
    ASSERT_NE(tree, 0u);
    ASSERT_TRUE(waitUntil([&] { return screenRect(x(), tree).topLeft() == QPoint(100, 60); }))
        << screenRect(x(), tree).x() << "," << screenRect(x(), tree).y();
    EXPECT_EQ(activeWindow(), m_normal->id()) << "the tree took the focus";
    const QSize size = screenRect(x(), tree).size();

    const QPoint grip = QPoint(100, 60) + QPoint(size.width() / 2, size.height() / 2);
    const QPoint moved(300, 120);
    QStringList drag{"mousemove", QString::number(grip.x()), QString::number(grip.y()), "mousedown",
                     "1"};
    for (int step = 1; step <= 6; ++step) {
        const QPoint to = grip + moved * step / 6;
        drag << "sleep"
             << "0.03"
             << "mousemove" << QString::number(to.x()) << QString::number(to.y());
    }
    ASSERT_TRUE(xdotool(drag << "mouseup"
                             << "1"));
    const QPoint place = QPoint(100, 60) + moved;
    ASSERT_TRUE(waitUntil([&] { return screenRect(x(), tree).topLeft() == place; }))
        << screenRect(x(), tree).x() << "," << screenRect(x(), tree).y();

    // A new picture at the new place: the tree has taken note of it.
    const QImage before = windowPixels(x(), tree);
    ASSERT_TRUE(waitUntil([&] { return windowPixels(x(), tree) != before; }));

    ASSERT_TRUE(m_program->terminate());
    const QByteArray saved = m_program->settings();
    EXPECT_TRUE(saved.contains("<iTreeX>400</iTreeX>") && saved.contains("<iTreeY>180</iTreeY>"))
        << saved.constData();

    ASSERT_TRUE(m_program->start());
    const unsigned long again = onlyDecoration();
    ASSERT_NE(again, 0u);
    EXPECT_TRUE(waitUntil([&] { return screenRect(x(), again).topLeft() == place; }))
        << screenRect(x(), again).x() << "," << screenRect(x(), again).y();
}

TEST_F(ProgramOnX11Test, SecondCopySaysSoAndEndsWhileTheFirstRunsOn)
{
    ASSERT_TRUE(m_program->start());
    const std::unique_ptr<QProcess> second = m_program->launch();
    std::vector<unsigned long> box;
    ASSERT_TRUE(
        waitUntil(
            [&] {
                return second->state() == QProcess::NotRunning ||
                       !(box = viewableWindowsOf(x(), static_cast<pid_t>(second->processId())))
                            .empty();
            },
            ProgramUnderTest::kStartLimitMs) &&
        !box.empty())
        << "no message box";
    ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(box.front())}));
    ASSERT_TRUE(xdotool({"key", "Return"}));
    ASSERT_TRUE(second->waitForFinished(ProgramUnderTest::kEndLimitMs));
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_TRUE(m_program->running());
    EXPECT_TRUE(m_program->settings().isEmpty());
    // Only the copy that ran writes the settings, at its end.
    EXPECT_TRUE(m_program->terminate());
    EXPECT_FALSE(m_program->settings().isEmpty());
}

// A broken X connection ends the program from under its loop (Qt exits with
// status 1); what the session changed must be in the file by then.
TEST_F(ProgramOnX11Test, BrokenXConnectionStillSavesTheSettings)
{
    m_program->writeSettings("fSnow=1");
    ASSERT_TRUE(m_program->start());
    const unsigned long snow = onlyDecoration();
    ASSERT_NE(snow, 0u);
    XKillClient(x(), snow);
    XSync(x(), False);
    ASSERT_TRUE(waitUntil([&] { return !m_program->running(); }, ProgramUnderTest::kEndLimitMs));
    // The file held a few keys; only a save adds the others.
    EXPECT_TRUE(m_program->settings().contains("<LogonImage>blue</LogonImage>"))
        << m_program->settings().constData();
}

TEST_F(ProgramOnX11Test, FullScreenWindowSendsEveryDecorationAwayUntilItCloses)
{
    makeDesktop();
    m_program->writeSettings("fDisableAtHighLoad=1 fSnow=1 fGarland=1 fTree=1 fCursorEnable=1");
    ASSERT_TRUE(m_program->start());
    ASSERT_TRUE(waitForDecorations(4)) << decorations().size();

    auto game = std::make_unique<ForeignWindow>(x(), kScreen);
    game->setAtom("_NET_WM_STATE", "_NET_WM_STATE_FULLSCREEN");
    game->map();
    ASSERT_TRUE(shown(game->id()));
    ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(game->id())}));
    EXPECT_TRUE(waitForDecorations(0, 2500)) << decorations().size() << " decorations left";

    game.reset();
    XSync(x(), False);
    EXPECT_TRUE(waitForDecorations(4, 2500)) << decorations().size() << " decorations back";
}

// The settings window and the program's icon in the notification area: the
// viewable windows of the program that are no decorations, the large one and
// the small one.
struct OwnWindows {
    unsigned long settings = 0;
    unsigned long icon = 0;
    // The plain window under everything that shows the decorations on the
    // desktop where no compositor runs.
    unsigned long layer = 0;
};

// With a compositor (true) or without.
class SettingsAboveDecorationsTest : public ProgramOnX11Test,
                                     public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        ProgramOnX11Test::SetUp();
        if (!IsSkipped() && !HasFatalFailure() && !GetParam()) {
            ASSERT_TRUE(m_session->stopCompositor());
        }
    }

    OwnWindows ownWindows()
    {
        OwnWindows own;
        const std::vector<unsigned long> decorations = m_program->decorationWindows();
        for (unsigned long window : viewableWindowsOf(x(), m_program->pid())) {
            if (std::find(decorations.begin(), decorations.end(), window) != decorations.end())
                continue;
            if (onScreenRect(x(), window) == kScreen)
                own.layer = window;
            else
                (screenRect(x(), window).width() >= 300 ? own.settings : own.icon) = window;
        }
        return own;
    }

    // Over two seconds, the settings window stays above every decoration but
    // the fairy dust, which is put right above it once the window is active.
    void expectAboveDecorationsForAWhile(unsigned long settings)
    {
        ASSERT_TRUE(waitUntil([&] {
            const std::vector<unsigned long> all = m_program->decorationWindows();
            return std::any_of(all.begin(), all.end(), [&](unsigned long decoration) {
                return isDust(decoration) && stackedAbove(x(), decoration, settings) == true;
            });
        })) << "no fairy dust right above the window";
        const unsigned long layer = ownWindows().layer;
        EXPECT_EQ(layer != 0, !GetParam());
        for (int look = 0; look < 10; ++look) {
            for (unsigned long decoration : m_program->decorationWindows()) {
                // The fairy dust lies right above the window, the others below.
                ASSERT_EQ(stackedAbove(x(), settings, decoration), !isDust(decoration))
                    << "look " << look << ": decoration " << decoration << " over the window";
            }
            if (layer) {
                ASSERT_EQ(stackedAbove(x(), settings, layer), true) << "look " << look;
            }
            waitUntil([] { return false; }, 200);
        }
    }
};

// Snow, lights and the cursor's trail "on the desktop" never cover the
// settings window: not when a first run shows it at once...
TEST_P(SettingsAboveDecorationsTest, OnAFirstRun)
{
    ASSERT_TRUE(m_program->start());
    ASSERT_TRUE(waitForDecorations(3)) << decorations().size();
    OwnWindows own;
    ASSERT_TRUE(waitUntil([&] { return (own = ownWindows()).settings != 0; }));
    expectAboveDecorationsForAWhile(own.settings);
}

// ...nor when the user opens it from the icon later.
TEST_P(SettingsAboveDecorationsTest, WhenOpenedFromTheIcon)
{
    m_program->writeSettings("fSnow=1 fGarland=1 fCursorEnable=1");
    ASSERT_TRUE(m_program->start());
    ASSERT_TRUE(waitForDecorations(3)) << decorations().size();
    OwnWindows own;
    ASSERT_TRUE(waitUntil([&] { return (own = ownWindows()).icon != 0; }));
    EXPECT_EQ(own.settings, 0u);
    ASSERT_TRUE(m_session->clickAt(screenRect(x(), own.icon).center(), 1, 2));
    ASSERT_TRUE(waitUntil([&] { return (own = ownWindows()).settings != 0; }));
    expectAboveDecorationsForAWhile(own.settings);
}

INSTANTIATE_TEST_SUITE_P(Desktops, SettingsAboveDecorationsTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& desktop) {
                             return desktop.param ? "Composited" : "WithoutCompositor";
                         });

} // namespace
