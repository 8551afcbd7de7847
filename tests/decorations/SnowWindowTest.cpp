#include "decorations/CaseName.h"
#include "decorations/SnowTest.h"

#include <string>

namespace {

TEST_F(SnowTest, FallsOverMonitorsLeftOfAndAboveThePrimaryOne)
{
    // A 1280x1024 monitor left of the 1920x1080 primary, reaching 300 pixels higher.
    m_platform.desktop.m_primary = QSize(1920, 1080);
    m_platform.desktop.m_virtual = QRect(-1280, -300, 3200, 1380);
    m_platform.desktop.m_workArea = QRect(0, 0, 1920, 1040);
    options().uSnowDensity = 9;
    CDlgSnow& snow = createSnow();
    frames(100);
    // Flakes fall over the left monitor too (window x below 1280).
    int overLeftMonitor = 0;
    for (const FLAKE& flake : snow.m_flakes)
        if (flake.y >= 0 && flake.x < 1280)
            ++overLeftMonitor;
    EXPECT_GT(overLeftMonitor, 20);
}

// Speed 1..9: the frame period asked for, and what the scheduler serves (10 ms at least).
struct SpeedCase {
    uint32_t speed;
    uint32_t period;
    uint32_t served;
};

class SnowSpeed : public SnowTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(SnowSpeed, SetsTheFramePeriod)
{
    EXPECT_EQ(CDlgSnow::SpeedPeriod(GetParam().speed), GetParam().period);
    options().uSnowSpeed = GetParam().speed;
    createSnow();
    EXPECT_EQ(m_platform.scheduler.periodOf(window(), 1), GetParam().served);
    EXPECT_EQ(m_platform.scheduler.periodOf(window(), 2), 1000u);
}

INSTANTIATE_TEST_SUITE_P(Speeds, SnowSpeed,
                         ::testing::Values(SpeedCase{1, 144, 144}, SpeedCase{2, 128, 128},
                                           SpeedCase{3, 112, 112}, SpeedCase{4, 96, 96},
                                           SpeedCase{5, 20, 20}, SpeedCase{6, 4, 10},
                                           SpeedCase{7, 3, 10}, SpeedCase{8, 2, 10},
                                           SpeedCase{9, 1, 10}));

// Each kind's pictures, smallest and largest; the deep snow's are the 120
// pictures of its film.
struct KindCase {
    const char* key;
    int pictures;
    QSize first, last;
};

class SnowKind : public SnowTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(SnowKind, LoadsItsPicturesByKey)
{
    CDlgSnow& snow = makeSnow();
    snow.SetSnowType(QString::fromLatin1(GetParam().key));
    const int loaded = static_cast<int>(snow.m_images.size()) + snow.m_deepImages.count();
    EXPECT_EQ(loaded, GetParam().pictures);
    if (!snow.m_images.empty()) {
        EXPECT_EQ(snow.m_images.front()->size(), GetParam().first);
        EXPECT_EQ(snow.m_images.back()->size(), GetParam().last);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SnowKind,
                         ::testing::Values(KindCase{"fluffy", 11, {1, 1}, {16, 16}},
                                           KindCase{"fine", 5, {1, 1}, {3, 3}},
                                           KindCase{"thick", 10, {4, 7}, {47, 54}},
                                           KindCase{"sparkling", 2, {10, 10}, {10, 10}},
                                           KindCase{"fantasy", 9, {32, 32}, {32, 32}},
                                           KindCase{"deep", 120, {}, {}}),
                         KeyCaseName());

TEST_F(SnowTest, AnUnknownOrMiscasedKeyKeepsTheKind)
{
    options().strSnowType = "hail";
    CDlgSnow& snow = createSnow();
    EXPECT_EQ(snow.m_images.size(), 11u);
    snow.SetSnowType("thick");
    for (const char* unknown : {"Deep", "blizzard", ""}) {
        snow.SetSnowType(unknown);
        EXPECT_EQ(snow.m_images.size(), 10u) << unknown;
    }
}

TEST_F(SnowTest, ChangingTheKindStartsTheSnowAgainAndRestartsTheTimer)
{
    options().fSnowAcumulate = true;
    CDlgSnow& snow = createSnow();
    frames(200);
    ASSERT_FALSE(snow.m_pile.empty());

    options().uSnowSpeed = 4;
    snow.SetSnowType("fantasy");
    EXPECT_TRUE(snow.m_pile.empty());
    // Restarted, at the speed the settings hold now.
    EXPECT_EQ(m_platform.scheduler.periodOf(window(), 1), 96u);
    frames(1);
    EXPECT_EQ(snow.m_flakes.size(), 50u);
    for (const FLAKE& flake : snow.m_flakes)
        EXPECT_EQ(flake.image->size(), QSize(32, 32));
    // Fine snow keeps the count until the window is made again.
    snow.SetSnowType("fine");
    frames(1);
    EXPECT_EQ(snow.m_flakes.size(), 50u);
}

// Made again with accumulation off, the old pile is gone for good.
TEST_F(SnowTest, MadeAgainItReloadsItsPicturesKeepsItsGustAndDropsAnUnwantedPile)
{
    options().fSnowAcumulate = true;
    options().strSnowType = "sparkling";
    CDlgSnow& snow = createSnow();
    frames(300);
    ASSERT_FALSE(snow.m_pile.empty());
    snow.m_nGustLength = 7;

    snow.DestroyWindow();
    EXPECT_TRUE(snow.m_flakes.empty());
    EXPECT_FALSE(snow.DestroyWindow()); // destroying again is harmless

    options().fSnowAcumulate = false;
    ASSERT_TRUE(snow.Create());
    EXPECT_EQ(snow.m_images.size(), 2u);
    EXPECT_EQ(snow.m_nGustLength, 7u);
    const int presented = surface()->m_presentCount;
    frames(300);
    EXPECT_EQ(surface()->m_presentCount, presented + 300);
    EXPECT_TRUE(snow.m_pile.empty());
    EXPECT_EQ(snow.m_pPileBitmap, nullptr);
}

// Settings outside 1..9 from a hand-edited file: the window takes the nearest
// valid value, and the setting keeps what the file said.
struct OutOfRangeCase {
    const char* name;
    uint32_t density, wind, speed;
    int flakes;
    uint32_t windUsed;
    uint32_t served;
};

class SnowOutOfRange : public SnowTest, public ::testing::WithParamInterface<OutOfRangeCase> {};

TEST_P(SnowOutOfRange, UsesTheNearestValidValue)
{
    const OutOfRangeCase& c = GetParam();
    options().uSnowDensity = c.density;
    options().uSnowWind = c.wind;
    options().uSnowSpeed = c.speed;
    CDlgSnow& snow = createSnow();
    EXPECT_EQ(snow.m_nWind, c.windUsed);
    EXPECT_EQ(m_platform.scheduler.periodOf(window(), 1), c.served);
    // A minute of frames and wind.
    m_platform.scheduler.advance(60'000);
    EXPECT_EQ(snow.m_flakes.size(), static_cast<size_t>(c.flakes));
    snow.DestroyWindow();
    EXPECT_EQ(options().uSnowDensity, c.density);
    EXPECT_EQ(options().uSnowWind, c.wind);
    EXPECT_EQ(options().uSnowSpeed, c.speed);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SnowOutOfRange,
    ::testing::Values(OutOfRangeCase{"Zeros", 0, 0, 0, 10, 1, 144},
                      // Numbers too long for 32 bits are read as the largest one.
                      OutOfRangeCase{"Huge", 2'147'483'647u, 2'147'483'647u, 1'000'000, 270, 9, 10},
                      // "-3" in the file is stored as the same 32 bits.
                      OutOfRangeCase{"Negative", static_cast<uint32_t>(-3),
                                     static_cast<uint32_t>(-3), static_cast<uint32_t>(-3), 10, 1,
                                     144}),
    CaseName());

TEST_F(SnowTest, WindZeroWrittenByThePageNeverDividesByZero)
{
    CDlgSnow& snow = createSnow();
    snow.m_nWind = 0;
    snow.m_nGustSeconds = 500;
    m_platform.scheduler.advance(300'000);
    EXPECT_FALSE(snow.m_bGust);
}

} // namespace
