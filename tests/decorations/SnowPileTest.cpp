#include "decorations/CaseName.h"
#include "decorations/PaintedPixels.h"
#include "decorations/SnowTest.h"

namespace {

class SnowPileTest : public SnowTest {
protected:
    // Accumulating snow with its pile picture made and no falling flakes.
    CDlgSnow& pileUp()
    {
        options().fSnowAcumulate = true;
        CDlgSnow& snow = createSnow();
        snow.m_flakes.clear();
        snow.m_nMaxFlakes = 0;
        return snow;
    }
    const QImage* flakePicture(size_t index) const { return m_snow->m_images[index].get(); }
};

// A 16x16 flake against a 16x16 pile record lying at (100, 80): it settles
// once its middle reaches two pixels above the record's middle, at y 78, and
// only within one pixel of the record's column.
struct LandingCase {
    const char* name;
    int column; // where the flake is after its drift
    int y;      // where it is after its fall
    bool lands;
};

class SnowLanding : public SnowPileTest, public ::testing::WithParamInterface<LandingCase> {};

TEST_P(SnowLanding, OnlyWithinOnePixelOfAPileRecord)
{
    CDlgSnow& snow = pileUp();
    snow.m_pile.assign(1, FLAKE{flakePicture(2), 100, 0, 1, 80, 3, 0, true});
    // Before the frame the flake is one pixel left and two pixels higher.
    snow.m_flakes.assign(
        1, FLAKE{flakePicture(3), GetParam().column - 1, 0, 1, GetParam().y - 2, 2, 0, false});
    frames(1);
    // The flake lies on the pile or falls on, where it moved to.
    ASSERT_EQ(snow.m_pile.size(), GetParam().lands ? 2u : 1u);
    ASSERT_EQ(snow.m_flakes.size(), GetParam().lands ? 0u : 1u);
    const FLAKE& moved = GetParam().lands ? snow.m_pile[1] : snow.m_flakes[0];
    EXPECT_EQ(QPoint(moved.x, moved.y), QPoint(GetParam().column, GetParam().y));
    EXPECT_EQ(moved.image, flakePicture(3));
}

INSTANTIATE_TEST_SUITE_P(Columns, SnowLanding,
                         ::testing::Values(LandingCase{"TwoLeft", 98, 78, false},
                                           LandingCase{"OneLeft", 99, 78, true},
                                           LandingCase{"Above", 100, 78, true},
                                           LandingCase{"OneRight", 101, 78, true},
                                           LandingCase{"TwoRight", 102, 78, false},
                                           LandingCase{"OnePixelHigh", 100, 77, false},
                                           LandingCase{"Lower", 100, 85, true}),
                         CaseName());

TEST_F(SnowPileTest, WhereNothingLiesFlakesLandAtTheBottomButNotRightOfTheWindow)
{
    CDlgSnow& snow = pileUp();
    // 16x16 flakes in a 100-pixel window: the middle reaches 100 at y 92.
    snow.m_flakes = {FLAKE{flakePicture(2), 50, 0, 1, 89, 2, 0, false},
                     FLAKE{flakePicture(2), 200, 0, 1, 95, 2, 0, false},
                     FLAKE{flakePicture(2), 199, 0, 1, 95, 2, 0, false},
                     FLAKE{flakePicture(2), -50, 0, 1, 95, 2, 0, false}};
    frames(1);
    ASSERT_EQ(snow.m_pile.size(), 2u);
    EXPECT_EQ(snow.m_pile[0].x, 200);
    EXPECT_EQ(snow.m_pile[1].x, -49);
    ASSERT_EQ(snow.m_flakes.size(), 1u);
    frames(1);
    ASSERT_EQ(snow.m_pile.size(), 3u);
    EXPECT_EQ(snow.m_pile[2].y, 93);
}

TEST_F(SnowPileTest, ThePileShowsFromTheSecondFrameAndKeepsLandedFlakes)
{
    options().fSnowAcumulate = true;
    options().uSnowDensity = 9;
    CDlgSnow& snow = createSnow();
    // The first frame only makes the empty pile picture.
    ASSERT_NE(snow.m_pPileBitmap, nullptr);
    EXPECT_EQ(snow.m_pPileBitmap->size(), QSize(200, 100));
    EXPECT_EQ(snow.lastDrawing().items().size(), 270u);
    frames(1);
    ASSERT_EQ(snow.lastDrawing().items().size(), 271u);
    // The pile is drawn first, under the falling flakes, as one picture.
    const FrameDrawing::Item& pile = snow.lastDrawing().items()[0];
    EXPECT_EQ(pile.target, QRectF(0, 0, 200, 100));

    frames(150);
    ASSERT_FALSE(snow.m_pile.empty());
    // The next frame bakes the records of the flakes that landed last.
    snow.m_flakes.clear();
    snow.m_nMaxFlakes = 0;
    frames(1);
    const FLAKE& last = snow.m_pile.back();
    const QRect box = QRect(last.x, last.y, last.image->width(), last.image->height())
                          .intersected(QRect(0, 0, 200, 100));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(paintedPixels(*snow.m_pPileBitmap, box), 0);
}

TEST_F(SnowPileTest, NewlyBakedFlakesAreReportedAsChangedAreas)
{
    CDlgSnow& snow = pileUp();
    frames(1);
    EXPECT_TRUE(snow.lastDrawing().changedAreas().empty());
    snow.m_pile = {FLAKE{flakePicture(2), 10, 0, 1, 80, 3, 0, true},
                   FLAKE{flakePicture(2), 30, 0, 1, 84, 3, 0, false},
                   FLAKE{flakePicture(1), 50, 0, 1, 90, 3, 0, false}};
    frames(1);
    const std::vector<QRect> expected{QRect(50, 90, 3, 3), QRect(30, 84, 16, 16)};
    EXPECT_EQ(snow.lastDrawing().changedAreas(), expected);
    frames(1);
    EXPECT_TRUE(snow.lastDrawing().changedAreas().empty());
}

TEST_F(SnowPileTest, ThePileRemembersAtMostOneRecordPerPixelOfWidth)
{
    useScreen(60, 40);
    options().fSnowAcumulate = true;
    options().uSnowDensity = 9;
    CDlgSnow& snow = createSnow();
    size_t most = 0;
    for (int frame = 0; frame < 400; ++frame) {
        frames(1);
        most = std::max(most, snow.m_pile.size());
    }
    ASSERT_GT(most, 60u);
    const FLAKE newest = snow.m_pile.back();
    // The next frame drops the oldest records down to the width.
    snow.m_flakes.clear();
    snow.m_nMaxFlakes = 0;
    frames(1);
    EXPECT_EQ(snow.m_pile.size(), 60u);
    EXPECT_EQ(QPoint(snow.m_pile.back().x, snow.m_pile.back().y), QPoint(newest.x, newest.y));
}

} // namespace
