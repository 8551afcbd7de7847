#include "ForeignWindow.h"
#include "ProgramUnderTest.h"
#include "ScreenInspection.h"
#include "WaitUntil.h"
#include "XServerSession.h"
#include "vocabulary/CursorEffects.h"
#include "vocabulary/GarlandKeys.h"
#include "vocabulary/SnowKinds.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include <X11/Xlib.h>

namespace {

using namespace screen_inspection;

const QRect kScreen(0, 0, XServerSession::kWidth, XServerSession::kHeight);

// The real program's decorations on Xvfb with openbox, xcompmgr and a tray
// (so that the settings window stays hidden, as on a user's desktop), next to
// windows of another program: a desktop window over the whole screen and a
// normal window in the middle, both dark so that snow and lights stand out.
class DecorationsOnX11Test : public ::testing::Test {
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
        if (!m_session)
            return;
        if (m_program) {
            EXPECT_TRUE(m_program->terminate());
        }
        m_program.reset();
        m_windows.clear();
        XSync(x(), False);
        m_session->stopTrayHost();
        m_session->stopCompositor();
        m_session->stopWindowManager();
    }

    Display* x() const { return m_session->display(); }

    bool xdotool(const QStringList& arguments) const { return m_session->xdotool(arguments); }
    bool shown(unsigned long window) const { return screen_inspection::shown(x(), window); }

    // A window of another program in a solid colour that hears its clicks.
    ForeignWindow& foreignWindow(const QRect& rect, unsigned long colour,
                                 const char* type = nullptr)
    {
        auto window = std::make_unique<ForeignWindow>(x(), rect);
        if (type)
            window->setType(type);
        window->showFilled(colour);
        m_windows.push_back(std::move(window));
        return *m_windows.back();
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

    bool clickReaches(QPoint point, const ForeignWindow& window)
    {
        XEvent event;
        while (XCheckWindowEvent(x(), window.id(), ButtonPressMask, &event)) {
        }
        return m_session->clickAt(point.x(), point.y()) && window.waitForPress();
    }

    // The one decoration window the program shows.
    unsigned long onlyDecoration()
    {
        if (!m_program->waitForDecorations(1))
            return 0;
        return m_program->decorationWindows().front();
    }

    XServerSession* m_session = nullptr;
    std::unique_ptr<ProgramUnderTest> m_program;
    std::vector<std::unique_ptr<ForeignWindow>> m_windows;
    ForeignWindow* m_desktop = nullptr;
    ForeignWindow* m_normal = nullptr;
};

// How many 64x64 tiles of the picture hold at least `least` pixels the test
// wants, outside the rectangle left out.
int tilesWith(const QImage& picture, bool (*wanted)(QRgb), const QRect& leftOut = QRect(),
              int least = 1)
{
    std::map<std::pair<int, int>, int> tiles;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (wanted(line[x]) && !leftOut.contains(x, y))
                ++tiles[{x / 64, y / 64}];
        }
    }
    return static_cast<int>(std::count_if(tiles.begin(), tiles.end(),
                                          [&](const auto& tile) { return tile.second >= least; }));
}

int pixelsWith(const QImage& picture, bool (*wanted)(QRgb))
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            count += wanted(line[x]) ? 1 : 0;
    }
    return count;
}

// The picture's pixels that are the same in the later picture; the rest black.
QImage stillThere(const QImage& earlier, const QImage& later)
{
    QImage same(earlier.size(), QImage::Format_RGB32);
    for (int y = 0; y < earlier.height(); ++y) {
        for (int x = 0; x < earlier.width(); ++x) {
            const QRgb pixel = earlier.pixel(x, y);
            same.setPixel(x, y, later.pixel(x, y) == pixel ? pixel : qRgb(0, 0, 0));
        }
    }
    return same;
}

class SnowOnX11Test : public DecorationsOnX11Test, public ::testing::WithParamInterface<bool> {};

TEST_P(SnowOnX11Test, CoversTheDesktopLetsClicksThroughAndShowsFlakes)
{
    const bool onTop = GetParam();
    // A panel along the bottom: the snow stops above it.
    ForeignWindow& panel = foreignWindow(QRect(0, kScreen.height() - 40, kScreen.width(), 40),
                                         0x404040, "_NET_WM_WINDOW_TYPE_DOCK");
    panel.setBottomStrut(40, kScreen.width());
    ASSERT_TRUE(waitUntil([&] { return workArea(x()).height() == kScreen.height() - 40; }))
        << "the window manager did not shrink the work area";
    makeDesktop();
    m_program->writeSettings(ProgramUnderTest::settingsWith({{"fSnow", "1"},
                                                             {"fSnowTop", onTop ? "1" : "0"},
                                                             {"uSnowSpeed", "9"},
                                                             {"uSnowDensity", "9"},
                                                             {"fSnowAcumulate", "1"},
                                                             {"strSnowType", "fluffy"}}));
    ASSERT_TRUE(m_program->start());
    const unsigned long snow = onlyDecoration();
    ASSERT_NE(snow, 0u);

    EXPECT_EQ(screenRect(x(), snow), QRect(0, 0, kScreen.width(), kScreen.height() - 40));
    EXPECT_EQ(depthOf(x(), snow), 32);
    EXPECT_TRUE(hasState(x(), snow, "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_TRUE(waitUntil([&] { return stackedAbove(x(), snow, m_normal->id()) == onTop; }))
        << "fSnowTop " << onTop;
    EXPECT_TRUE(waitUntil([&] { return stackedAbove(x(), snow, m_desktop->id()) == true; }));

    // Clicks reach the desktop's icons and the window through the snow.
    ASSERT_TRUE(waitUntil([&] { return inputRectanglesOfFrame(x(), snow) == 0; }));
    EXPECT_TRUE(clickReaches(QPoint(200, 150), *m_desktop));
    EXPECT_TRUE(clickReaches(kNormalRect.center(), *m_normal));

    // Flakes all over the desktop; over the normal window only when on top.
    QImage screen;
    EXPECT_TRUE(waitUntil(
        [&] {
            screen = screenshot(x(), kScreen);
            return tilesWith(screen, isWhitish, kNormalRect) >= 20;
        },
        5000))
        << tilesWith(screen, isWhitish, kNormalRect) << " tiles with snow";
    // The window itself, not its title bar, whose title is white.
    const QRect inside = screenRect(x(), m_normal->id());
    if (onTop) {
        EXPECT_TRUE(waitUntil([&] { return pixelsWith(screenshot(x(), inside), isWhitish) > 0; }))
            << "no flake over the normal window";
    } else {
        EXPECT_EQ(pixelsWith(screenshot(x(), inside), isWhitish), 0)
            << "flakes over the normal window";
    }

    // The pile grows along the bottom, above the panel: snow that stays put
    // (falling flakes are far away a moment later) in at least half of the
    // bottom rows' 64-pixel columns.
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

INSTANTIATE_TEST_SUITE_P(SnowTop, SnowOnX11Test, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& testCase) {
                             return testCase.param ? "OnTop" : "OnDesktop";
                         });

class GarlandOnX11Test : public DecorationsOnX11Test, public ::testing::WithParamInterface<bool> {};

TEST_P(GarlandOnX11Test, FramesTheScreenWithLitBulbsAndLetsClicksThrough)
{
    const bool onTop = GetParam();
    makeDesktop();
    // Steady lights: every bulb is lit all the time.
    m_program->writeSettings(ProgramUnderTest::settingsWith({{"fGarland", "1"},
                                                             {"fGarlandTop", onTop ? "1" : "0"},
                                                             {"strGarland", "multicolor"},
                                                             {"iFlash", "0"}}));
    ASSERT_TRUE(m_program->start());
    const unsigned long garland = onlyDecoration();
    ASSERT_NE(garland, 0u);

    EXPECT_EQ(screenRect(x(), garland), kScreen);
    EXPECT_EQ(depthOf(x(), garland), 32);
    EXPECT_TRUE(hasState(x(), garland, "_NET_WM_STATE_SKIP_TASKBAR"));
    EXPECT_TRUE(waitUntil([&] { return stackedAbove(x(), garland, m_normal->id()) == onTop; }))
        << "fGarlandTop " << onTop;

    // A click on a bulb of the top edge reaches the desktop below.
    ASSERT_TRUE(waitUntil([&] { return inputRectanglesOfFrame(x(), garland) == 0; }));
    EXPECT_TRUE(clickReaches(QPoint(kScreen.width() / 2, 24), *m_desktop));

    // Only the strips along the edges are shown; the compositor never blends
    // the middle of the screen, and the normal window there shows unchanged.
    const QRect middle(kNormalRect.adjusted(-100, -100, 100, 100));
    QRegion shown;
    EXPECT_TRUE(waitUntil([&] {
        shown = boundingShapeOfFrame(x(), garland);
        return !shown.isEmpty() && !shown.intersects(middle);
    })) << "shown rectangles: "
        << shown.rectCount();
    EXPECT_TRUE(shown.contains(QRect(0, 0, kScreen.width(), 24)));
    const QImage normal = screenshot(x(), screenRect(x(), m_normal->id()));
    EXPECT_EQ(pixelsWith(normal, [](QRgb pixel) { return pixel != qRgb(0x10, 0x20, 0x10); }), 0);

    // Lit bulbs along each edge, spread over its length (corners left out):
    // an unlit bulb has a few bright pixels of its highlight, a lit one
    // hundreds.
    const int depth = 48;
    const int corner = 64;
    const struct {
        const char* name;
        QRect strip;
    } edges[] = {
        {"top", QRect(corner, 0, kScreen.width() - 2 * corner, depth)},
        {"bottom", QRect(corner, kScreen.height() - depth, kScreen.width() - 2 * corner, depth)},
        {"left", QRect(0, corner, depth, kScreen.height() - 2 * corner)},
        {"right", QRect(kScreen.width() - depth, corner, depth, kScreen.height() - 2 * corner)},
    };
    for (const auto& edge : edges) {
        int tiles = 0;
        EXPECT_TRUE(waitUntil([&] {
            tiles = tilesWith(screenshot(x(), edge.strip), isBrightColour, QRect(), 40);
            return tiles >= (edge.strip.width() + edge.strip.height() - depth) / 64 * 3 / 4;
        })) << edge.name
            << " edge: lit bulbs in " << tiles << " tiles";
    }
}

INSTANTIATE_TEST_SUITE_P(GarlandTop, GarlandOnX11Test, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& testCase) {
                             return testCase.param ? "OnTop" : "OnDesktop";
                         });

TEST_F(DecorationsOnX11Test, DraggedTreeIsBackAtItsPlaceAfterARestart)
{
    makeDesktop();
    // "Joy" at the fastest speed: a new picture every 100 ms.
    m_program->writeSettings(ProgramUnderTest::settingsWith({{"fTree", "1"},
                                                             {"iTree", "2"},
                                                             {"iTreeX", "100"},
                                                             {"iTreeY", "60"},
                                                             {"fTreeTop", "1"},
                                                             {"iTreeSpeed", "10"}}));
    ASSERT_TRUE(m_program->start());
    const unsigned long tree = onlyDecoration();
    ASSERT_NE(tree, 0u);
    ASSERT_TRUE(waitUntil([&] { return screenRect(x(), tree).topLeft() == QPoint(100, 60); }))
        << screenRect(x(), tree).x() << "," << screenRect(x(), tree).y();
    const QSize size = screenRect(x(), tree).size();

    const QPoint grip = QPoint(100, 60) + QPoint(size.width() / 2, size.height() / 2);
    ASSERT_TRUE(xdotool(
        {"mousemove", QString::number(grip.x()), QString::number(grip.y()), "mousedown", "1"}));
    const QPoint moved(300, 120);
    for (int step = 1; step <= 6; ++step) {
        const QPoint to = grip + moved * step / 6;
        ASSERT_TRUE(xdotool({"mousemove", QString::number(to.x()), QString::number(to.y())}));
        waitUntil([] { return false; }, 30);
    }
    ASSERT_TRUE(xdotool({"mouseup", "1"}));
    const QPoint place = QPoint(100, 60) + moved;
    ASSERT_TRUE(waitUntil([&] { return screenRect(x(), tree).topLeft() == place; }))
        << screenRect(x(), tree).x() << "," << screenRect(x(), tree).y();

    // A new picture at the new place: the tree has taken note of it.
    const QImage before = windowPixels(x(), tree);
    ASSERT_TRUE(waitUntil([&] { return windowPixels(x(), tree) != before; }));

    ASSERT_TRUE(m_program->exitThroughTrayMenu());
    EXPECT_EQ(m_program->setting("iTreeX"), QString::number(place.x()));
    EXPECT_EQ(m_program->setting("iTreeY"), QString::number(place.y()));

    ASSERT_TRUE(m_program->start());
    const unsigned long again = onlyDecoration();
    ASSERT_NE(again, 0u);
    EXPECT_TRUE(waitUntil([&] { return screenRect(x(), again).topLeft() == place; }))
        << screenRect(x(), again).x() << "," << screenRect(x(), again).y();
}

TEST_F(DecorationsOnX11Test, FullScreenWindowSendsEveryDecorationAwayUntilItCloses)
{
    makeDesktop();
    m_program->writeSettings(ProgramUnderTest::settingsWith({{"fDisableAtHighLoad", "1"},
                                                             {"fSnow", "1"},
                                                             {"fGarland", "1"},
                                                             {"fTree", "1"},
                                                             {"fCursorEnable", "1"}}));
    ASSERT_TRUE(m_program->start());
    ASSERT_TRUE(m_program->waitForDecorations(4)) << m_program->decorationWindows().size();

    auto game = std::make_unique<ForeignWindow>(x(), kScreen);
    game->setInitialStates({"_NET_WM_STATE_FULLSCREEN"});
    game->map();
    ASSERT_TRUE(shown(game->id()));
    ASSERT_TRUE(xdotool({"windowactivate", "--sync", QString::number(game->id())}));
    QElapsedTimer sinceFullScreen;
    sinceFullScreen.start();
    EXPECT_TRUE(m_program->waitForDecorations(0, 2500))
        << m_program->decorationWindows().size() << " decorations left";
    EXPECT_LE(sinceFullScreen.elapsed(), 2500);

    game.reset();
    XSync(x(), False);
    EXPECT_TRUE(m_program->waitForDecorations(4, 2500))
        << m_program->decorationWindows().size() << " decorations back";
}

// Screenshots of every garland, cursor effect, tree and snow kind for a
// developer to look at, made only when YULAVIN_LOOK_DIR names a folder
// (scripts/take-screenshots.sh); CI skips them.
class DecorationsLook : public DecorationsOnX11Test {
protected:
    void SetUp() override
    {
        m_folder = qEnvironmentVariable("YULAVIN_LOOK_DIR");
        if (m_folder.isEmpty())
            GTEST_SKIP() << "YULAVIN_LOOK_DIR is not set";
        DecorationsOnX11Test::SetUp();
    }

    // Runs the program with one decoration, lets `act` play on it, and
    // saves the screen as <name>.png.
    void take(const QString& name, std::initializer_list<std::pair<const char*, QString>> settings,
              int settleMs, const std::function<void()>& act = {})
    {
        m_program = std::make_unique<ProgramUnderTest>(*m_session);
        m_program->writeSettings(ProgramUnderTest::settingsWith(settings));
        ASSERT_TRUE(m_program->start()) << name.toStdString();
        ASSERT_TRUE(m_program->waitForDecorations(1)) << name.toStdString();
        if (act)
            act();
        // The scene plays for a while: this is a picture for the eye, not a check.
        waitUntil([] { return false; }, settleMs);
        EXPECT_TRUE(screenshot(x(), kScreen).save(m_folder + "/" + name + ".png"))
            << name.toStdString();
        EXPECT_TRUE(m_program->terminate());
    }

    QString m_folder;
};

TEST_F(DecorationsLook, Garlands)
{
    makeDesktop();
    for (const char* garland : kGarlandKeys) {
        take(QStringLiteral("garland-%1").arg(garland),
             {{"fGarland", "1"}, {"fGarlandTop", "1"}, {"strGarland", garland}, {"iFlash", "0"}},
             500);
    }
    // The other flash modes, caught in the middle of their play.
    for (int mode = 1; mode <= 4; ++mode) {
        take(QStringLiteral("garland-multicolor-flash%1").arg(mode),
             {{"fGarland", "1"}, {"fGarlandTop", "1"}, {"iFlash", QString::number(mode)}}, 1300);
    }
}

TEST_F(DecorationsLook, CursorEffects)
{
    makeDesktop();
    for (const char* effect : kCursorEffectKeys) {
        take(QStringLiteral("cursor-%1").arg(QString::fromLatin1(effect).toLower()),
             {{"fCursorEnable", "1"}, {"fCursorTop", "1"}, {"strCursorType", effect}}, 300, [&] {
                 const bool presents = QByteArray(effect) == "PRESENTS";
                 // A sweep across the screen, pressing now and then for presents.
                 for (int step = 0; step <= 24; ++step) {
                     const QPoint at(200 + step * 30, 150 + (step % 6) * 40);
                     xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
                     if (presents && step % 3 == 0) {
                         // Held as long as a user's click: the effect looks at
                         // the button once a frame.
                         xdotool({"mousedown", "1"});
                         waitUntil([] { return false; }, 80);
                         xdotool({"mouseup", "1"});
                     }
                     waitUntil([] { return false; }, 40);
                 }
             });
    }
}

TEST_F(DecorationsLook, Trees)
{
    makeDesktop();
    for (int tree = 0; tree <= 4; ++tree) {
        take(QStringLiteral("tree-%1").arg(tree),
             {{"fTree", "1"}, {"fTreeTop", "1"}, {"iTree", QString::number(tree)}}, 1500);
    }
}

TEST_F(DecorationsLook, SnowKinds)
{
    makeDesktop();
    for (const char* kind : kSnowKindKeys) {
        take(QStringLiteral("snow-%1").arg(kind),
             {{"fSnow", "1"},
              {"fSnowTop", "1"},
              {"strSnowType", kind},
              {"uSnowSpeed", "9"},
              {"fSnowAcumulate", "1"}},
             4000);
    }
}

} // namespace
