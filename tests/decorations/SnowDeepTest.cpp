#include "core/ProgramResources.h"
#include "decorations/CaseName.h"
#include "decorations/PaintedPixels.h"
#include "decorations/SnowTest.h"

namespace {

// The deep pictures (1366x768) cover the virtual screen, centred and cut at
// two opposite edges.
struct DeepCase {
    const char* name;
    int width, height;
    float x, y, w, h;
};

class SnowDeepRectangle : public SnowTest, public ::testing::WithParamInterface<DeepCase> {};

TEST_P(SnowDeepRectangle, CoversTheVirtualScreen)
{
    useScreen(GetParam().width, GetParam().height);
    CDlgSnow& snow = makeSnow();
    EXPECT_FLOAT_EQ(snow.m_fDeepX, GetParam().x);
    EXPECT_FLOAT_EQ(snow.m_fDeepY, GetParam().y);
    EXPECT_FLOAT_EQ(snow.m_fDeepWidth, GetParam().w);
    EXPECT_FLOAT_EQ(snow.m_fDeepHeight, GetParam().h);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, SnowDeepRectangle,
    ::testing::Values(DeepCase{"SameShape", 1366, 768, 0, 0, 1366, 768},
                      // 1920 / 1080 is a little narrower than 1366 / 768.
                      DeepCase{"FullHd", 1920, 1080, -0.46875f, 0, 1920.9375f, 1080},
                      DeepCase{"Square", 1280, 1024, -270.66666f, 0, 1821.3334f, 1024},
                      DeepCase{"Wide", 2732, 768, 0, -384, 2732, 1536},
                      DeepCase{"NoScreen", 0, 0, 0, 0, 0, 0}),
    CaseName());

class SnowDeep : public SnowTest {
protected:
    // Deep snow on a screen of half the pictures' size, so frames are quick.
    CDlgSnow& createDeep()
    {
        useScreen(683, 384);
        options().strSnowType = "deep";
        return createSnow();
    }
    // The picture of the last frame.
    QImage shown() const
    {
        const auto& items = m_snow->lastDrawing().items();
        return items.size() == 1 ? items[0].image : QImage();
    }
};

TEST_F(SnowDeep, PlaysThePicturesInOrderOnePerTickAndStartsAgain)
{
    CDlgSnow& snow = createDeep();
    // Create drew the first frame: picture 374, stretched over the screen.
    ASSERT_EQ(snow.lastDrawing().items().size(), 1u);
    EXPECT_EQ(snow.lastDrawing().items()[0].target, QRectF(0, 0, 683, 384));
    for (int frame = 0; frame <= 120; ++frame) {
        ASSERT_EQ(shown(), *LoadPngResource(374 + frame % 120)) << "frame " << frame;
        frames(1);
    }
    // Only a few pictures are kept decoded.
    EXPECT_LE(snow.m_deepImages.decodedCount(), 2u);
}

TEST_F(SnowDeep, FillsTheScreenWithSnowWhateverTheDensityWindAndAccumulation)
{
    options().uSnowDensity = 9;
    options().uSnowWind = 9;
    options().fSnowAcumulate = true;
    CDlgSnow& snow = createDeep();
    frames(3);
    const QImage& frame = snow.frameImage();
    ASSERT_EQ(frame.size(), QSize(683, 384));
    EXPECT_GT(paintedPixels(frame, QRect(), 64), 800);
    // No flakes or pile over it.
    EXPECT_EQ(snow.lastDrawing().items().size(), 1u);
}

TEST_F(SnowDeep, GoesOnWhereItStoppedWhenMadeAgainAndGivesWayToFlakes)
{
    CDlgSnow& snow = createDeep();
    frames(9);
    snow.DestroyWindow();
    snow.Create();
    EXPECT_EQ(shown(), *LoadPngResource(384));
    snow.SetSnowType("fluffy");
    frames(1);
    EXPECT_GT(snow.lastDrawing().items().size(), 1u);
}

} // namespace
