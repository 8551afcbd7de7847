#include "decorations/CaseName.h"
#include "decorations/PaintedPixels.h"
#include "decorations/SnowTest.h"

#include <algorithm>
#include <string>

namespace {

struct CountCase {
    uint32_t density;
    int flakes;
    int fineFlakes;
};

class SnowFlakeCount : public SnowTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(SnowFlakeCount, FollowsTheDensityAndDoublesForFineSnow)
{
    options().uSnowDensity = GetParam().density;
    CDlgSnow& snow = createSnow();
    EXPECT_EQ(snow.m_flakes.size(), static_cast<size_t>(GetParam().flakes));
    snow.DestroyWindow();

    options().strSnowType = "fine";
    snow.Create();
    EXPECT_EQ(snow.m_flakes.size(), static_cast<size_t>(GetParam().fineFlakes));
}

INSTANTIATE_TEST_SUITE_P(Densities, SnowFlakeCount,
                         ::testing::Values(CountCase{1, 10, 20}, CountCase{5, 50, 100},
                                           CountCase{6, 180, 360}, CountCase{9, 270, 540}));

TEST_F(SnowTest, EveryFifteenFramesAFlakeChoosesItsDrift)
{
    // About six choices in ten go left.
    options().uSnowDensity = 9;
    CDlgSnow& snow = createSnow();
    int left = 0, choices = 0;
    for (int frame = 0; frame < 300; ++frame) {
        frames(1);
        for (const FLAKE& flake : snow.m_flakes) {
            ASSERT_LT(flake.tick, 15);
            choices += flake.tick == 0 && flake.y > 0 ? 1 : 0;
            left += flake.tick == 0 && flake.y > 0 && flake.dx < 0 ? 1 : 0;
        }
    }
    ASSERT_GT(choices, 1000);
    EXPECT_NEAR(static_cast<double>(left) / choices, 0.6, 0.05);
}

struct GustCase {
    const char* name;
    bool gust, right;
    int lowest, highest; // new flakes' columns, as multiples of the width
};

class SnowNewFlakes : public SnowTest, public ::testing::WithParamInterface<GustCase> {};

TEST_P(SnowNewFlakes, EnterFromTheSideTheWindComesFrom)
{
    options().uSnowDensity = 9;
    CDlgSnow& snow = createSnow();
    snow.m_flakes.clear();
    snow.m_bGust = GetParam().gust;
    snow.m_bGustRight = GetParam().right;
    frames(1);
    // The first frame draws the new flakes where they start, above the
    // window and spread over the whole range.
    const int W = 200, H = 100;
    ASSERT_EQ(snow.lastDrawing().items().size(), 270u);
    QPolygon corners;
    for (const FrameDrawing::Item& item : snow.lastDrawing().items())
        corners << item.target.topLeft().toPoint();
    const QRect spread = corners.boundingRect();
    EXPECT_GT(spread.top(), -H);
    EXPECT_LE(spread.bottom(), 0);
    EXPECT_GE(spread.left(), GetParam().lowest * W);
    EXPECT_LT(spread.left(), GetParam().lowest * W + W / 10);
    EXPECT_LT(spread.right(), GetParam().highest * W);
    EXPECT_GE(spread.right(), GetParam().highest * W - W / 10);
}

INSTANTIATE_TEST_SUITE_P(Gusts, SnowNewFlakes,
                         ::testing::Values(GustCase{"Calm", false, false, 0, 1},
                                           GustCase{"GustToTheRight", true, true, -1, 1},
                                           GustCase{"GustToTheLeft", true, false, 0, 2}),
                         CaseName());

// One flake at x 50 on the 200x100 window, one frame on: its drift, its
// speed (ten times for thick snow) and a gust of ten pixels move it; past the
// bottom it starts again at the top, drifting right (movedX is then its drift).
struct MoveCase {
    const char* name;
    const char* kind;
    int dx, y, speed, gust; // gust: 1 to the right, -1 to the left
    int movedX, movedY;
};

class SnowFlakeMove : public SnowTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(SnowFlakeMove, ByDriftSpeedAndGust)
{
    const MoveCase& c = GetParam();
    options().strSnowType = c.kind;
    CDlgSnow& snow = createSnow();
    snow.m_flakes.assign(1, FLAKE{snow.m_images[2].get(), 50, 0, c.dx, c.y, c.speed, 0, false});
    snow.m_nMaxFlakes = 1;
    snow.m_bGust = c.gust != 0;
    snow.m_bGustRight = c.gust > 0;
    frames(1);
    ASSERT_EQ(snow.m_flakes.size(), 1u);
    const FLAKE& moved = snow.m_flakes[0];
    EXPECT_EQ(QPoint(c.movedY == 0 ? moved.dx : moved.x, moved.y), QPoint(c.movedX, c.movedY));
}

INSTANTIATE_TEST_SUITE_P(Moves, SnowFlakeMove,
                         ::testing::Values(MoveCase{"Calm", "fluffy", 1, 10, 2, 0, 51, 12},
                                           MoveCase{"GustRight", "fluffy", 1, 10, 2, 1, 61, 12},
                                           MoveCase{"GustLeft", "fluffy", 1, 10, 2, -1, 41, 12},
                                           MoveCase{"Thick", "thick", 1, -90, 3, 0, 51, -60},
                                           MoveCase{"StillInside", "fluffy", 1, 96, 4, 0, 51, 100},
                                           MoveCase{"PastTheBottom", "fluffy", -1, 97, 4, 0, 1, 0}),
                         CaseName());

TEST_F(SnowTest, SparklingFlakesShowEitherPictureAndHideAboutOneFrameInThree)
{
    options().strSnowType = "sparkling";
    options().uSnowDensity = 9;
    CDlgSnow& snow = createSnow();
    size_t shown = 0, flakes = 0;
    int first = 0, second = 0;
    for (int frame = 0; frame < 100; ++frame) {
        flakes += snow.m_flakes.size();
        frames(1);
        shown += snow.lastDrawing().items().size();
        for (const FrameDrawing::Item& item : snow.lastDrawing().items()) {
            EXPECT_EQ(item.image.size(), QSize(10, 10));
            first += item.image.cacheKey() == snow.m_images[0]->cacheKey() ? 1 : 0;
            second += item.image.cacheKey() == snow.m_images[1]->cacheKey() ? 1 : 0;
        }
    }
    const double hidden = 1.0 - static_cast<double>(shown) / static_cast<double>(flakes);
    EXPECT_NEAR(hidden, 1.0 / 3.0, 0.03);
    EXPECT_GT(first, 2000);
    EXPECT_GT(second, 2000);
}

TEST_F(SnowTest, FantasyFlakesTurnFiveDegreesPerFrameAboutTheirMiddle)
{
    options().strSnowType = "fantasy";
    CDlgSnow& snow = createSnow();
    snow.m_flakes.assign(1, FLAKE{snow.m_images[0].get(), 40, 0, 1, 20, 2, 90, false});
    snow.m_nMaxFlakes = 1;
    frames(1);
    ASSERT_EQ(snow.lastDrawing().items().size(), 1u);
    const QTransform& turn = snow.lastDrawing().items()[0].transform;
    // The middle of the 32x32 picture at (40, 20) stays; a point right of it
    // turns a quarter clockwise, below it on the screen.
    EXPECT_EQ(turn.map(QPolygonF({QPointF(56, 36), QPointF(66, 36)})).toPolygon(),
              QPolygon({QPoint(56, 36), QPoint(56, 46)}));
    // The turn is only for that flake.
    EXPECT_TRUE(snow.lastDrawing().transform().isIdentity());
}

TEST_F(SnowTest, LoweringTheCountThinsTheSnowAsFlakesLand)
{
    options().uSnowDensity = 9;
    CDlgSnow& snow = createSnow();
    snow.m_nMaxFlakes = 10;
    frames(40);
    EXPECT_GT(snow.m_flakes.size(), 10u);
    EXPECT_LT(snow.m_flakes.size(), 270u);
    frames(200);
    EXPECT_EQ(snow.m_flakes.size(), 10u);

    // Raising it adds every new flake in the next frame.
    snow.m_nMaxFlakes = 180;
    frames(1);
    EXPECT_EQ(snow.m_flakes.size(), 180u);
}

TEST_F(SnowTest, AFrameShowsWhiteFlakesOnATransparentPicture)
{
    useScreen(400, 300);
    CDlgSnow& snow = createSnow();
    frames(50);
    const QImage& frame = snow.frameImage();
    double lightness = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (const QRgb pixel = frame.pixel(x, y); qAlpha(pixel) > 200)
                lightness += std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
    // White with a little shading, on a mostly clear picture.
    const int opaque = paintedPixels(frame, QRect(), 200);
    EXPECT_GT(opaque, 100);
    EXPECT_GT(lightness / opaque, 220);
    EXPECT_LT(paintedPixels(frame), frame.width() * frame.height() / 2);
}

} // namespace
