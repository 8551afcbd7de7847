#include "core/CZelApp.h"
#include "core/ProgramResources.h"
#include "decorations/CDlgCursor.h"
#include "decorations/FairyDust.h"
#include "platform/RuntimeLibrary.h"
#include "support/FakePlatform.h"
#include "vocabulary/CursorEffects.h"

#include <QLineF>
#include <QResource>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

extern "C" const unsigned char yulavin_art_rcc[];

namespace {

constexpr uint32_t kSeed = 20251224;
constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kCyan = 0xFF00FFFF;
constexpr QRgb kYellow = 0xFFFFFF00;

// The random numbers a window will draw from kSeed, replayed in advance.
std::vector<int> randomDraws(size_t count)
{
    crt::srand(kSeed);
    std::vector<int> draws(count);
    for (int& draw : draws)
        draw = crt::rand();
    crt::srand(kSeed);
    return draws;
}

float fraction(int draw)
{
    return static_cast<float>(draw / 32767.0);
}

// A rotation about a point, as the window's frames set it.
QTransform rotationAbout(qreal degrees, QPointF centre)
{
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.rotate(degrees);
    transform.translate(-centre.x(), -centre.y());
    return transform;
}

// The turn of a drawn item in degrees (0 when none).
qreal turnOf(const QTransform& transform)
{
    return std::atan2(transform.m12(), transform.m11()) * 180.0 / M_PI;
}

bool samePoint(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 1e-3;
}

bool sameItem(const FrameDrawing::Item& a, const FrameDrawing::Item& b)
{
    return a.kind == b.kind && a.image.cacheKey() == b.image.cacheKey() && a.target == b.target &&
           a.path == b.path && a.colour == b.colour && a.transform == b.transform;
}

// A cursor window over the default desktop (1920x1080, 40-pixel panel at the
// bottom), the pointer at (960, 540), the random numbers from kSeed.
class CursorTest : public ::testing::Test {
protected:
    // Makes the window with the effect the settings name.
    void create(const QString& key)
    {
        m_app.m_options.strCursorType = key;
        crt::srand(kSeed);
        m_window.Create();
    }
    void frame() { m_platform.scheduler.advance(20); }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            frame();
    }
    void pointTo(int x, int y) { m_platform.desktop.m_cursor = QPoint(x, y); }
    void press() { m_platform.desktop.m_leftButton = true; }
    void release() { m_platform.desktop.m_leftButton = false; }
    const std::vector<FrameDrawing::Item>& items() const { return m_window.lastDrawing().items(); }
    FakeOverlaySurface* surface() const
    {
        return m_platform.windows.live().empty() ? nullptr : m_platform.windows.live().front();
    }

    FakePlatform m_platform;
    CZelApp m_app;
    CDlgCursor m_window;
};

// The window -------------------------------------------------------------

TEST_F(CursorTest, CoversTheWorkAreaLessItsLastRow)
{
    create(QStringLiteral("FAIRY_DUST"));
    EXPECT_EQ(m_window.m_rcWindow, QRect(0, 0, 1920, 1039));
    ASSERT_NE(surface(), nullptr);
    EXPECT_EQ(surface()->m_geometry, QRect(0, 0, 1920, 1039));
    EXPECT_TRUE(surface()->m_clickThrough);
    EXPECT_EQ(m_platform.scheduler.periodOf(&m_window, 1), 20u);
    EXPECT_EQ(surface()->m_frame.size(), QSize(1920, 1039));
}

TEST_F(CursorTest, APanelOnTheLeftMovesTheWindowAndItsCoordinates)
{
    m_platform.desktop.m_workArea = QRect(64, 0, 1856, 1080);
    pointTo(500, 300);
    create(QStringLiteral("BOW"));
    EXPECT_EQ(m_window.m_rcWindow, QRect(64, 0, 1856, 1079));
    ASSERT_EQ(items().size(), 1u);
    // The bow's corner sits 8 left of and 11 below the pointer, in window pixels.
    EXPECT_EQ(items()[0].target, QRectF(500 - 64 - 8, 300 + 11, 32, 27));
}

TEST_F(CursorTest, DestroyFreesPicturesAndRecordsThenCreateBringsBackTheSetting)
{
    create(QStringLiteral("PRESENTS"));
    press();
    frame();
    ASSERT_EQ(m_window.m_presents.size(), 1u);
    ASSERT_EQ(m_window.m_presentImages.size(), 5u);

    EXPECT_TRUE(m_window.DestroyWindow());
    EXPECT_FALSE(m_window.IsWindow());
    EXPECT_TRUE(m_window.m_presents.empty());
    EXPECT_TRUE(m_window.m_presentImages.empty());
    EXPECT_EQ(m_window.m_nType, CDlgCursor::PRESENTS);
    EXPECT_EQ(m_platform.scheduler.timerCount(), 0u);

    m_app.m_options.strCursorType = QStringLiteral("STOCKING");
    EXPECT_TRUE(m_window.Create());
    EXPECT_EQ(m_window.m_nType, CDlgCursor::STOCKING);
    EXPECT_NE(m_window.m_pImageStocking, nullptr);
    EXPECT_TRUE(m_window.m_presentImages.empty());
    EXPECT_EQ(m_platform.scheduler.periodOf(&m_window, 1), 20u);
    frames(3);
    EXPECT_EQ(surface()->m_presentCount, 4);
}

TEST_F(CursorTest, FairyDustOutlivesTheWindowButNotAChangeOfEffect)
{
    create(QStringLiteral("FAIRY_DUST"));
    pointTo(100, 100);
    frame();
    ASSERT_EQ(m_window.m_particles.size(), 2u);
    m_window.DestroyWindow();
    EXPECT_EQ(m_window.m_particles.size(), 2u);
    m_window.Create();
    EXPECT_TRUE(m_window.m_particles.empty());
}

// Choosing the effect ----------------------------------------------------

struct EffectCase {
    const char* key;
    int32_t type;
    size_t pictures; // loaded for it
};

std::string effectCaseName(const ::testing::TestParamInfo<EffectCase>& testCase)
{
    QString name = QString::fromLatin1(testCase.param.key).toLower();
    name.remove(QLatin1Char('_'));
    return name.toStdString();
}

const auto kAllEffects = ::testing::Values(
    EffectCase{kCursorFairyDust, 0, 0}, EffectCase{kCursorSnow, 1, 9},
    EffectCase{kCursorStocking, 2, 1}, EffectCase{kCursorBall, 3, 1},
    EffectCase{kCursorBells, 4, 1}, EffectCase{kCursorBow, 5, 1},
    EffectCase{kCursorEuphorbiaPulcherrima, 6, 1}, EffectCase{kCursorPresents, 7, 5},
    EffectCase{kCursorSpinningWreath, 8, 1}, EffectCase{kCursorWreath, 9, 1});

class CursorEffectTest : public CursorTest, public ::testing::WithParamInterface<EffectCase> {
protected:
    size_t loadedPictures() const
    {
        size_t count = m_window.m_snowImages.size() + m_window.m_presentImages.size();
        for (const auto* picture :
             {&m_window.m_pImageStocking, &m_window.m_pImageBall, &m_window.m_pImageBells,
              &m_window.m_pImageWreath, &m_window.m_pImageBow, &m_window.m_pImageEuphorbia,
              &m_window.m_pImageSpinningWreath})
            count += *picture ? 1 : 0;
        return count;
    }
};

TEST_P(CursorEffectTest, KeyOrSettingChoosesTheEffectAndLoadsOnlyItsPictures)
{
    m_window.SetCursorType(QString::fromLatin1(GetParam().key));
    EXPECT_EQ(m_window.m_nType, GetParam().type);
    EXPECT_EQ(loadedPictures(), GetParam().pictures);
    m_window.SetCursorType(QString::fromLatin1(GetParam().type == 0 ? "WREATH" : "FAIRY_DUST"));
    create(QString::fromLatin1(GetParam().key));
    EXPECT_EQ(m_window.m_nType, GetParam().type);
    EXPECT_EQ(loadedPictures(), GetParam().pictures);
}

TEST_P(CursorEffectTest, UnknownKeyRestartsTheCurrentEffect)
{
    create(QString::fromLatin1(GetParam().key));
    std::set<qint64> before;
    for (const auto& picture : m_window.m_snowImages)
        before.insert(picture->cacheKey());
    frames(2);
    for (const char* unknown : {"", "fairy_dust", "Snow", "BLUE", "WREATH "}) {
        m_window.SetCursorType(QString::fromLatin1(unknown));
        EXPECT_EQ(m_window.m_nType, GetParam().type) << unknown;
        EXPECT_EQ(loadedPictures(), GetParam().pictures) << unknown;
        EXPECT_TRUE(m_window.m_particles.empty());
        EXPECT_TRUE(m_window.m_snowflakes.empty());
        EXPECT_TRUE(m_window.m_presents.empty());
    }
    // The pictures were loaded anew, not kept.
    for (const auto& picture : m_window.m_snowImages)
        EXPECT_EQ(before.count(picture->cacheKey()), 0u);
}

TEST_P(CursorEffectTest, EveryEffectDrawsAtThePointerAndNowhereElse)
{
    m_app.m_options.strCursorType = QString::fromLatin1(GetParam().key);
    crt::srand(kSeed);
    m_window.Create();
    // A short stroke with a click, then a rest.
    for (int step = 0; step < 10; ++step) {
        pointTo(900 + 6 * step, 500 + 4 * step);
        if (step == 2)
            press();
        if (step == 4)
            release();
        frame();
    }
    frames(10);
    const QImage& image = m_window.frameImage();
    const QRect nearPointer(954 - 80, 536 - 80, 160, 200);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            ++(nearPointer.contains(x, y) ? inside : outside);
        }
    }
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0);
}

INSTANTIATE_TEST_SUITE_P(AllEffects, CursorEffectTest, kAllEffects, effectCaseName);

TEST_F(CursorTest, ChangingEffectFreesTheOutgoingPictureOnly)
{
    m_window.SetCursorType(QStringLiteral("STOCKING"));
    ASSERT_NE(m_window.m_pImageStocking, nullptr);
    m_window.SetCursorType(QStringLiteral("WREATH"));
    EXPECT_EQ(m_window.m_pImageStocking, nullptr);
    ASSERT_NE(m_window.m_pImageWreath, nullptr);
    EXPECT_EQ(m_window.m_pImageWreath->size(), QSize(32, 31));
    m_window.DestroyWindow();
    EXPECT_EQ(m_window.m_pImageWreath, nullptr);
    EXPECT_EQ(m_window.m_nType, CDlgCursor::WREATH);
}

// Missing pictures -------------------------------------------------------

class CursorMissingPicturesTest : public CursorEffectTest {
protected:
    void SetUp() override
    {
        // Registers the pictures, so that taking them away below sticks.
        LoadPngResource(551);
        ASSERT_TRUE(QResource::unregisterResource(yulavin_art_rcc));
        ASSERT_EQ(LoadPngResource(551), nullptr);
    }
    void TearDown() override { QResource::registerResource(yulavin_art_rcc); }
};

TEST_P(CursorMissingPicturesTest, DrawsNothingButTheStarsAndMakesNoRecords)
{
    create(QString::fromLatin1(GetParam().key));
    EXPECT_EQ(loadedPictures(), 0u);
    for (int step = 0; step < 30; ++step) {
        pointTo(900 + step, 500);
        if (step % 2)
            press();
        else
            release();
        frame();
    }
    EXPECT_TRUE(m_window.m_snowflakes.empty());
    EXPECT_TRUE(m_window.m_presents.empty());
    if (GetParam().type == CDlgCursor::FAIRY_DUST)
        EXPECT_FALSE(items().empty());
    else
        EXPECT_TRUE(items().empty());
}

INSTANTIATE_TEST_SUITE_P(AllEffects, CursorMissingPicturesTest, kAllEffects, effectCaseName);

// Fairy dust -------------------------------------------------------------

TEST_F(CursorTest, FairyDustStarStartsAtThePointerWithTheDrawsInOrder)
{
    const std::vector<int> draws = randomDraws(3);
    m_app.m_options.strCursorType = QStringLiteral("FAIRY_DUST");
    m_window.Create(); // the first frame sees the pointer at (960, 540)
    ASSERT_EQ(m_window.m_particles.size(), 1u);
    const CDlgCursor::PARTICLE_FAIRY_DUST& star = m_window.m_particles[0];
    const float sign = fraction(draws[0]) >= 0.5f ? 1.0f : -1.0f;
    EXPECT_FLOAT_EQ(star.vx, fraction(draws[1]) * 0.5f * sign);
    EXPECT_FLOAT_EQ(star.vy, 1.0f);
    // Made at (950, 530) and moved once.
    EXPECT_FLOAT_EQ(star.x, 950.0f + star.vx);
    EXPECT_FLOAT_EQ(star.y, 531.0f);
    EXPECT_EQ(star.life, 119);
    const QRgb colours[] = {kMagenta, kGreen, kCyan, kYellow};
    EXPECT_EQ(star.color, colours[draws[2] % 4]);
    EXPECT_EQ(m_window.m_ptLast, QPoint(960, 540));
    EXPECT_LE(std::fabs(star.vx), 0.5f);

    ASSERT_EQ(items().size(), 1u);
    const FrameDrawing::Item& item = items()[0];
    EXPECT_EQ(item.kind, FrameDrawing::Item::Kind::Path);
    EXPECT_EQ(item.colour.rgba(), star.color);
    EXPECT_TRUE(item.smooth);
    EXPECT_TRUE(item.transform.isIdentity());
    EXPECT_EQ(item.path, FairyDust::StarPath(16).translated(star.x, star.y));
}

TEST_F(CursorTest, FairyDustMakesAtMostOneStarPerFrameAndNoneAtRest)
{
    create(QStringLiteral("FAIRY_DUST"));
    ASSERT_EQ(m_window.m_particles.size(), 1u);
    frames(5);
    EXPECT_EQ(m_window.m_particles.size(), 1u);
    // Several moves between two frames still make one star.
    pointTo(970, 540);
    pointTo(980, 545);
    frame();
    EXPECT_EQ(m_window.m_particles.size(), 2u);
    EXPECT_FLOAT_EQ(m_window.m_particles[1].y, 536.0f);
    // A pointer moving all the time keeps at most 120 stars.
    size_t most = 0;
    for (int step = 0; step < 300; ++step) {
        pointTo(100 + step, 300 + (step % 7));
        const size_t before = m_window.m_particles.size();
        frame();
        EXPECT_LE(m_window.m_particles.size(), before + 1);
        most = std::max(most, m_window.m_particles.size());
    }
    EXPECT_EQ(most, 120u);
}

TEST_F(CursorTest, FairyDustStarLivesOneHundredTwentyFramesAndShrinksFromSixteenToNothing)
{
    create(QStringLiteral("FAIRY_DUST"));
    std::vector<int> sizes;
    std::vector<float> tops;
    while (!m_window.m_particles.empty()) {
        const CDlgCursor::PARTICLE_FAIRY_DUST& star = m_window.m_particles[0];
        sizes.push_back(FairyDust::EmSize(star.life));
        tops.push_back(star.y);
        // Nothing is drawn once the star is too small to see.
        EXPECT_EQ(items().size(), sizes.back() > 0 ? 1u : 0u);
        if (!items().empty()) {
            EXPECT_EQ(items()[0].path,
                      FairyDust::StarPath(sizes.back()).translated(star.x, star.y));
        }
        frame();
    }
    ASSERT_EQ(sizes.size(), 120u);
    EXPECT_EQ(sizes.front(), 16);
    EXPECT_EQ(sizes.back(), 0);
    for (size_t i = 1; i < sizes.size(); ++i) {
        EXPECT_LE(sizes[i], sizes[i - 1]);
        EXPECT_FLOAT_EQ(tops[i], tops[i - 1] + 1.0f);
    }
    EXPECT_TRUE(items().empty());
}

TEST(FairyDustStar, LiesInsideItsEmBoxBelowAndRightOfTheLayoutCorner)
{
    for (int em = 1; em <= 16; ++em) {
        const QRectF box = FairyDust::StarPath(em).boundingRect();
        ASSERT_FALSE(box.isEmpty()) << em;
        EXPECT_GT(box.left(), 0.0) << em;
        EXPECT_GT(box.top(), 0.0) << em;
        EXPECT_LT(box.right(), em) << em;
        EXPECT_LT(box.bottom(), em) << em;
    }
    // The star is the top half of a line of text: well above the baseline.
    const QRectF largest = FairyDust::StarPath(16).boundingRect();
    EXPECT_NEAR(largest.width(), 5.7, 1.0);
    EXPECT_LT(largest.bottom(), 16 * 0.7);
    EXPECT_TRUE(FairyDust::StarPath(0).isEmpty());
    // The same path object every time: no font is made per star.
    EXPECT_EQ(&FairyDust::StarPath(12), &FairyDust::StarPath(12));
}

TEST_F(CursorTest, FairyDustStarsShowInTheirColours)
{
    create(QStringLiteral("FAIRY_DUST"));
    const QRgb colour = m_window.m_particles[0].color;
    const QRectF box = items()[0].path.boundingRect();
    // The star's most covered pixel is solid, in the star's colour.
    QRgb strongest = 0;
    for (int y = static_cast<int>(box.top()); y <= static_cast<int>(box.bottom()); ++y)
        for (int x = static_cast<int>(box.left()); x <= static_cast<int>(box.right()); ++x)
            if (qAlpha(m_window.frameImage().pixel(x, y)) > qAlpha(strongest))
                strongest = m_window.frameImage().pixel(x, y);
    EXPECT_EQ(strongest, colour);
    // The star sits up and left of the pointer's tip at (960, 540).
    EXPECT_LT(box.right(), 960.0);
    EXPECT_LT(box.bottom(), 542.0);
    EXPECT_GT(box.left(), 950.0);
    EXPECT_GT(box.top(), 530.0);
}

// Snow -------------------------------------------------------------------

TEST_F(CursorTest, SnowFlakeTakesPictureSignSpeedAndFallInOrder)
{
    const std::vector<int> draws = randomDraws(6);
    m_app.m_options.strCursorType = QStringLiteral("SNOW");
    m_window.Create();
    ASSERT_EQ(m_window.m_snowflakes.size(), 1u);
    const CDlgCursor::SNOWFLAKE& flake = m_window.m_snowflakes[0];
    EXPECT_EQ(flake.image, m_window.m_snowImages[static_cast<size_t>(draws[0] % 9)].get());
    const float sign = fraction(draws[1]) >= 0.5f ? 1.0f : -1.0f;
    const float vx = fraction(draws[2]) * 0.5f * sign;
    const float vy = fraction(draws[3]) + 1.0f;
    EXPECT_FLOAT_EQ(flake.vx, vx);
    EXPECT_FLOAT_EQ(flake.x, 950.0f + vx);
    EXPECT_FLOAT_EQ(flake.y, 530.0f + vy);
    // Each frame the flake slows by a fresh fraction of 1/300.
    EXPECT_FLOAT_EQ(flake.vy, vy - fraction(draws[4]) / 300.0f);
    EXPECT_EQ(flake.life, 119);
    EXPECT_EQ(flake.angle, 5);

    // Drawn upright at full size first.
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(items()[0].target, QRectF(flake.x, flake.y, 16, 16));
    EXPECT_NEAR(turnOf(items()[0].transform), 0.0, 1e-9);

    const float x = flake.x;
    const float y = flake.y;
    const float vyNow = flake.vy;
    frame(); // the pointer rests: no new flake, one draw for the slowdown
    ASSERT_EQ(m_window.m_snowflakes.size(), 1u);
    EXPECT_FLOAT_EQ(m_window.m_snowflakes[0].y, y + vyNow);
    EXPECT_FLOAT_EQ(m_window.m_snowflakes[0].vy, vyNow - fraction(draws[5]) / 300.0f);
    // Turned 5 degrees about the centre of the full-size picture.
    const FrameDrawing::Item& item = items()[0];
    const float x2 = m_window.m_snowflakes[0].x;
    const float y2 = m_window.m_snowflakes[0].y;
    EXPECT_NEAR(x2, x + vx, 1e-4);
    EXPECT_EQ(item.target, QRectF(x2, y2, 16, 16)); // 118/120 of 16 still rounds to 16
    const QTransform expected = rotationAbout(5, QPointF(x2 + 8, y2 + 8));
    EXPECT_TRUE(qFuzzyCompare(item.transform, expected));
}

TEST_F(CursorTest, SnowFlakesShrinkAwayAndNeverExceedOneHundredTwenty)
{
    create(QStringLiteral("SNOW"));
    std::vector<qreal> widths;
    while (!m_window.m_snowflakes.empty()) {
        widths.push_back(items()[0].target.width());
        frame();
    }
    ASSERT_EQ(widths.size(), 120u);
    EXPECT_EQ(widths.front(), 16);
    EXPECT_EQ(widths.back(), 0);
    EXPECT_EQ(widths[59], 8); // half its life left: half its size

    size_t most = 0;
    for (int step = 0; step < 250; ++step) {
        pointTo(300 + step, 700);
        frame();
        most = std::max(most, m_window.m_snowflakes.size());
    }
    EXPECT_EQ(most, 120u);
}

// Presents ---------------------------------------------------------------

TEST_F(CursorTest, PresentFallsFromThePointerOnePerPress)
{
    create(QStringLiteral("PRESENTS"));
    EXPECT_TRUE(m_window.m_presents.empty());
    const std::vector<int> draws = randomDraws(4);
    pointTo(400, 300);
    press();
    frame();
    ASSERT_EQ(m_window.m_presents.size(), 1u);
    const CDlgCursor::PRESENT& present = m_window.m_presents[0];
    EXPECT_EQ(present.image, m_window.m_presentImages[static_cast<size_t>(draws[0] % 5)].get());
    const float sign = fraction(draws[1]) >= 0.5f ? 1.0f : -1.0f;
    EXPECT_FLOAT_EQ(present.vx, fraction(draws[2]) * 0.5f * sign);
    EXPECT_FLOAT_EQ(present.vy, fraction(draws[3]) + 2.0f);
    EXPECT_FLOAT_EQ(present.x, 400.0f + present.vx);
    EXPECT_FLOAT_EQ(present.y, 300.0f + present.vy);
    EXPECT_FLOAT_EQ(present.grow, 0.2f);
    EXPECT_EQ(present.angle, 5);
    EXPECT_EQ(m_window.m_ptLast, QPoint(400, 300));
    // One pixel large at first.
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(items()[0].target, QRectF(present.x, present.y, 1, 1));

    // Held down, moved around: still one.
    for (int step = 0; step < 20; ++step) {
        pointTo(400 + step, 300);
        frame();
    }
    EXPECT_EQ(m_window.m_presents.size(), 1u);
    release();
    frame();
    press();
    frame();
    EXPECT_EQ(m_window.m_presents.size(), 2u);
}

TEST_F(CursorTest, PresentGrowsTurnsAndFallsAtASteadySpeed)
{
    create(QStringLiteral("PRESENTS"));
    press();
    frame();
    release();
    const CDlgCursor::PRESENT first = m_window.m_presents[0];
    frames(50);
    const CDlgCursor::PRESENT& now = m_window.m_presents[0];
    EXPECT_FLOAT_EQ(now.vy, first.vy);
    EXPECT_NEAR(now.y, first.y + 50 * first.vy, 1e-3);
    EXPECT_NEAR(now.grow, 51 * 0.2f, 1e-3);
    EXPECT_EQ(now.angle, 51 * 5);
    const qreal size = std::floor(1 + now.grow + 0.5);
    const FrameDrawing::Item& item = items()[0];
    EXPECT_EQ(item.target.size(), QSizeF(size, size));
    EXPECT_NEAR(turnOf(item.transform), 250 - 360, 1e-6);
    // Turned about the centre of the unrounded size.
    const QPointF centre(now.x + (1 + now.grow) / 2, now.y + (1 + now.grow) / 2);
    EXPECT_TRUE(samePoint(item.transform.map(centre), centre));
}

TEST_F(CursorTest, TwentyPresentsAtMostUntilOneLeavesAtTheBottom)
{
    create(QStringLiteral("PRESENTS"));
    for (int click = 0; click < 25; ++click) {
        press();
        frame();
        release();
        frame();
    }
    EXPECT_EQ(m_window.m_presents.size(), 20u);

    // Holding the button while they fall: a new one as soon as room is made.
    press();
    const float height = 1039.0f;
    int leftBottom = 0;
    for (int step = 0; step < 400 && leftBottom == 0; ++step) {
        const size_t before = m_window.m_presents.size();
        frame();
        for (const CDlgCursor::PRESENT& present : m_window.m_presents)
            EXPECT_LE(present.y, height);
        if (m_window.m_presents.size() < before)
            leftBottom = step;
    }
    ASSERT_GT(leftBottom, 0);
    const size_t afterLeaving = m_window.m_presents.size();
    EXPECT_LT(afterLeaving, 20u);
    frame();
    EXPECT_EQ(m_window.m_presents.size(), afterLeaving + 1);
    // That held press made one, not one for each gap that opens later.
    frames(400);
    EXPECT_TRUE(m_window.m_presents.empty());
}

// Pendants ---------------------------------------------------------------

struct PendantCase {
    const char* key;
    QPoint offset; // of the picture's corner from the pointer
    QSize size;
};

class CursorPendantTest : public CursorTest, public ::testing::WithParamInterface<PendantCase> {};

TEST_P(CursorPendantTest, SwingsAfterAMoveAndComesToRestUpright)
{
    pointTo(700, 400);
    create(QString::fromLatin1(GetParam().key));
    // Hangs below the pointer, upright at first.
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(items()[0].target, QRectF(QPointF(700, 400) + GetParam().offset, GetParam().size));
    EXPECT_TRUE(items()[0].transform.isIdentity());
    EXPECT_FLOAT_EQ(m_window.m_fSwingAmplitude, 10.0f);
    const QPointF pivot(708, 420);
    std::vector<qreal> turns;
    for (int step = 0; step < 400; ++step) {
        frame();
        ASSERT_EQ(items().size(), 1u);
        const FrameDrawing::Item& item = items()[0];
        EXPECT_EQ(item.target.topLeft(), QPointF(700, 400) + GetParam().offset);
        // Turned about a point just below the pointer's tip.
        EXPECT_TRUE(samePoint(item.transform.map(pivot), pivot));
        turns.push_back(turnOf(item.transform));
    }
    // The first swing reaches about ten degrees each way, a degree per frame.
    const auto [least, most] = std::minmax_element(turns.begin(), turns.begin() + 50);
    EXPECT_NEAR(*most, 11.0, 0.01);
    EXPECT_LT(*least, -9.0);
    for (size_t i = 1; i < turns.size(); ++i)
        EXPECT_LE(std::fabs(turns[i] - turns[i - 1]), 1.0 + 1e-4);
    // Then it dies down and hangs upright, drawing the same thing every frame.
    EXPECT_EQ(m_window.m_fSwingAmplitude, 0.0f);
    EXPECT_TRUE(items()[0].transform.isIdentity());
    const FrameDrawing::Item resting = items()[0];
    frame();
    EXPECT_TRUE(sameItem(items()[0], resting));

    // Another move starts it again.
    pointTo(701, 400);
    frame();
    EXPECT_FLOAT_EQ(m_window.m_fSwingAmplitude, 10.0f);
}

TEST_P(CursorPendantTest, KeepsSwingingWhileThePointerMoves)
{
    create(QString::fromLatin1(GetParam().key));
    qreal most = 0;
    for (int step = 0; step < 300; ++step) {
        pointTo(200 + step, 600);
        frame();
        EXPECT_FLOAT_EQ(m_window.m_fSwingAmplitude, 10.0f);
        most = std::max(most, std::fabs(turnOf(items()[0].transform)));
    }
    EXPECT_NEAR(most, 11.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(AllPendants, CursorPendantTest,
                         ::testing::Values(PendantCase{"STOCKING", QPoint(-7, 15), QSize(32, 58)},
                                           PendantCase{"BALL", QPoint(-12, 18), QSize(42, 48)},
                                           PendantCase{"BELLS", QPoint(-9, 6), QSize(32, 32)},
                                           PendantCase{"WREATH", QPoint(-8, 16), QSize(32, 31)}),
                         [](const ::testing::TestParamInfo<PendantCase>& testCase) {
                             return QString::fromLatin1(testCase.param.key).toLower().toStdString();
                         });

// Bow, flower and wreath --------------------------------------------------

TEST_F(CursorTest, BowSitsAtThePointerUnturned)
{
    create(QStringLiteral("BOW"));
    const FrameDrawing::Item resting = items()[0];
    EXPECT_EQ(resting.target, QRectF(952, 551, 32, 27));
    EXPECT_TRUE(resting.transform.isIdentity());
    frame();
    EXPECT_TRUE(sameItem(items()[0], resting));
    pointTo(100, 200);
    frame();
    EXPECT_EQ(items()[0].target, QRectF(92, 211, 32, 27));
}

TEST_F(CursorTest, FlowerCirclesThePointerADegreeAFrame)
{
    create(QStringLiteral("EUPHORBIA_PULCHERRIMA"));
    frames(30);
    const FrameDrawing::Item& item = items()[0];
    EXPECT_EQ(item.target, QRectF(976, 556, 32, 31));
    EXPECT_NEAR(turnOf(item.transform), 30.0, 1e-4);
    EXPECT_EQ(item.transform.map(QPointF(960, 540)), QPointF(960, 540));
    EXPECT_FLOAT_EQ(m_window.m_fFlowerAngle, 31.0f);
    // The wreath's angle moves along with the flower's.
    EXPECT_FLOAT_EQ(m_window.m_fWreathAngle, 31.0f);
}

TEST_F(CursorTest, SpinningWreathTurnsAboutItsOwnCentre)
{
    create(QStringLiteral("SPINNING_WREATH"));
    frames(45);
    const FrameDrawing::Item& item = items()[0];
    EXPECT_EQ(item.target, QRectF(930, 510, 64, 64));
    EXPECT_NEAR(turnOf(item.transform), 45.0, 1e-4);
    // Its centre lies 2 pixels right of and below the pointer.
    EXPECT_TRUE(samePoint(item.transform.map(QPointF(962, 542)), QPointF(962, 542)));
}

TEST_F(CursorTest, TurningKeepsGoingPastAFullCircle)
{
    create(QStringLiteral("SPINNING_WREATH"));
    std::vector<qreal> turns;
    for (int step = 0; step < 800; ++step) {
        frame();
        turns.push_back(turnOf(items()[0].transform));
    }
    for (size_t i = 1; i < turns.size(); ++i) {
        qreal step = turns[i] - turns[i - 1];
        if (step < -180)
            step += 360;
        EXPECT_NEAR(step, 1.0, 1e-3) << i;
    }
    EXPECT_GE(m_window.m_fWreathAngle, 0.0f);
    EXPECT_LT(m_window.m_fWreathAngle, 360.0f);
}

} // namespace
