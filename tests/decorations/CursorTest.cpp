#include "core/COptions.h"
#include "core/ProgramResources.h"
#include "decorations/CDlgCursor.h"
#include "decorations/CaseName.h"
#include "decorations/FairyDust.h"
#include "decorations/PaintedPixels.h"
#include "platform/RuntimeLibrary.h"
#include "support/FakePlatform.h"

#include <QLineF>
#include <QResource>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

extern "C" const unsigned char yulavin_art_rcc[];

namespace {

// The turn of a drawn item in degrees (0 when none).
qreal turnOf(const QTransform& transform)
{
    return std::atan2(transform.m12(), transform.m11()) * 180.0 / M_PI;
}

bool samePoint(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 1e-3;
}

// A cursor window over the default desktop (1920x1080, 40-pixel panel at the
// bottom), the pointer at (960, 540), the random numbers seeded alike.
class CursorTest : public ::testing::Test {
protected:
    void create(const QString& key)
    {
        m_options.strCursorType = key;
        crt::srand(20251224);
        m_window.Create();
    }
    void frames(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            m_platform.scheduler.advance(20);
    }
    void pointTo(int x, int y) { m_platform.desktop.m_cursor = QPoint(x, y); }
    void press(bool down = true) { m_platform.desktop.m_leftButton = down; }
    const std::vector<FrameDrawing::Item>& items() const { return m_window.lastDrawing().items(); }
    // The stars, flakes or presents on the way.
    size_t marks() const
    {
        return m_window.m_particles.size() + m_window.m_snowflakes.size() +
               m_window.m_presents.size();
    }

    FakePlatform m_platform;
    COptions m_options{m_platform.services()};
    CDlgCursor m_window{m_options, m_platform.services()};
};

TEST_F(CursorTest, CoversTheWorkAreaLessItsLastRowAndFollowsAPanelOnTheLeft)
{
    create(QStringLiteral("FAIRY_DUST"));
    ASSERT_NE(m_platform.windows.first(), nullptr);
    EXPECT_EQ(m_platform.windows.first()->m_geometry, QRect(0, 0, 1920, 1039));
    EXPECT_TRUE(m_platform.windows.first()->m_clickThrough);
    EXPECT_EQ(m_platform.scheduler.periodOf(&m_window, 1), 20u);

    m_window.DestroyWindow();
    m_platform.desktop.m_workArea = QRect(64, 0, 1856, 1080);
    pointTo(500, 300);
    create(QStringLiteral("BOW"));
    EXPECT_EQ(m_platform.windows.first()->m_geometry, QRect(64, 0, 1856, 1079));
    // The bow follows the pointer in window pixels.
    EXPECT_EQ(items().at(0).target.topLeft(), QPointF(500 - 64 - 8, 300 + 11));
}

TEST_F(CursorTest, DestroyDropsTheMarksButNotTheStarsThenCreateBringsBackTheSetting)
{
    create(QStringLiteral("PRESENTS"));
    press();
    frames();
    ASSERT_EQ(marks(), 1u);
    EXPECT_TRUE(m_window.DestroyWindow());
    EXPECT_EQ(marks(), 0u);

    create(QStringLiteral("FAIRY_DUST"));
    pointTo(100, 100);
    frames();
    const size_t stars = marks();
    ASSERT_GT(stars, 0u);
    m_window.DestroyWindow();
    EXPECT_EQ(marks(), stars); // stars outlive the window...
    m_options.strCursorType = QStringLiteral("STOCKING");
    EXPECT_TRUE(m_window.Create());
    EXPECT_EQ(marks(), 0u); // ...but not a change of effect
}

// Every effect ------------------------------------------------------------

struct EffectCase {
    const char* key;
    int32_t type;
};

const auto kAllEffects =
    ::testing::Values(EffectCase{"FAIRY_DUST", 0}, EffectCase{"SNOW", 1}, EffectCase{"STOCKING", 2},
                      EffectCase{"BALL", 3}, EffectCase{"BELLS", 4}, EffectCase{"BOW", 5},
                      EffectCase{"EUPHORBIA_PULCHERRIMA", 6}, EffectCase{"PRESENTS", 7},
                      EffectCase{"SPINNING_WREATH", 8}, EffectCase{"WREATH", 9});

class CursorEffectTest : public CursorTest, public ::testing::WithParamInterface<EffectCase> {
protected:
    // A short stroke from (900, 500) with a click, then a rest.
    void stroke()
    {
        for (int step = 0; step < 10; ++step) {
            pointTo(900 + 6 * step, 500 + 4 * step);
            press(step >= 2 && step < 4);
            frames();
        }
        frames(10);
    }
};

TEST_P(CursorEffectTest, DrawsAtThePointerAndNowhereElse)
{
    create(QString::fromLatin1(GetParam().key));
    stroke();
    const QImage& image = m_window.frameImage();
    const int inside = paintedPixels(image, QRect(954 - 80, 536 - 80, 160, 200));
    EXPECT_GT(inside, 10);
    EXPECT_EQ(paintedPixels(image), inside);
}

TEST_P(CursorEffectTest, AKeyChoosesTheEffectAndAnUnknownOneRestartsIt)
{
    m_window.SetCursorType(QString::fromLatin1(GetParam().key));
    EXPECT_EQ(m_window.m_nType, GetParam().type);
    create(QString::fromLatin1(GetParam().key));
    stroke();
    for (const char* unknown : {"", "fairy_dust", "Snow", "WREATH "}) {
        m_window.SetCursorType(QString::fromLatin1(unknown));
        EXPECT_EQ(m_window.m_nType, GetParam().type) << unknown;
        EXPECT_EQ(marks(), 0u) << unknown;
    }
}

INSTANTIATE_TEST_SUITE_P(AllEffects, CursorEffectTest, kAllEffects, KeyCaseName());

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
    for (int step = 0; step < 30; ++step) {
        pointTo(900 + step, 500);
        press(step % 2 == 1);
        frames();
    }
    EXPECT_EQ(marks(), m_window.m_particles.size());
    EXPECT_EQ(items().empty(), GetParam().type != CDlgCursor::FAIRY_DUST);
}

INSTANTIATE_TEST_SUITE_P(AllEffects, CursorMissingPicturesTest, kAllEffects, KeyCaseName());

// Trails: stars and flakes --------------------------------------------------

class CursorTrailTest : public CursorTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CursorTrailTest, OneMarkPerMovedFrameThatFallsAndShrinksAwayInOneHundredTwentyFrames)
{
    create(QString::fromLatin1(GetParam())); // the first frame sees the pointer
    const bool stars = std::string(GetParam()) == "FAIRY_DUST";
    auto box = [&] { return items().empty() ? QRectF() : items()[0].target; };
    // Full size, made up and left of the pointer's tip at (960, 540); a star
    // comes in a halo a little larger than itself, round its middle.
    const QRectF full = stars ? FairyDust::StarPath(16).boundingRect() : QRectF(0, 0, 16, 16);
    const QRectF first = box();
    const double slack = stars ? 1.0 : 0.5;
    if (stars) {
        EXPECT_GT(first.width(), full.width() + 8);
        EXPECT_LT(first.width(), full.width() * 5);
    } else {
        EXPECT_EQ(first.size(), full.size());
    }
    EXPECT_NEAR(first.center().x() - full.center().x(), 950, slack);
    EXPECT_GE(first.center().y() - full.center().y(), 531 - slack);
    EXPECT_LE(first.center().y() - full.center().y(), 532 + slack);
    // Resting, it falls and shrinks to nothing; no new mark comes. A mark
    // that never goes is given up on soon after it should have.
    std::vector<qreal> widths;
    while (marks() > 0 && widths.size() < 200) {
        ASSERT_EQ(marks(), 1u);
        widths.push_back(box().width());
        if (widths.size() == 61) {
            EXPECT_GT(box().center().y(), first.center().y() + 55);
        }
        frames();
    }
    ASSERT_EQ(widths.size(), 120u);
    EXPECT_EQ(widths.back(), 0);
    EXPECT_TRUE(std::is_sorted(widths.rbegin(), widths.rend()));
    EXPECT_TRUE(items().empty());
    // Nothing left and the pointer still: no frame goes to the screen.
    const int pushed = m_platform.windows.live().back()->m_presentCount;
    frames(10);
    EXPECT_EQ(m_platform.windows.live().back()->m_presentCount, pushed);
    // A pointer moving all the time keeps at most 120, one more per frame.
    size_t most = 0;
    for (int step = 0; step < 300; ++step) {
        pointTo(100 + step, 300 + (step % 7));
        const size_t before = marks();
        frames();
        EXPECT_LE(marks(), before + 1);
        most = std::max(most, marks());
    }
    EXPECT_EQ(most, 120u);
}

INSTANTIATE_TEST_SUITE_P(Trails, CursorTrailTest, ::testing::Values("FAIRY_DUST", "SNOW"),
                         KeyCaseName());

TEST_F(CursorTest, StarsComeInFourColoursDriftingEitherWayAndFlakesTurn)
{
    create(QStringLiteral("FAIRY_DUST"));
    std::set<QRgb> colours;
    int left = 0;
    for (int step = 0; step < 100; ++step) {
        pointTo(300 + step, 300);
        frames();
        colours.insert(m_window.m_particles.back().color);
        left += m_window.m_particles.back().vx < 0 ? 1 : 0;
    }
    EXPECT_EQ(colours, (std::set<QRgb>{0xFFFF00FF, 0xFF00FF00, 0xFF00FFFF, 0xFFFFFF00}));
    EXPECT_GT(left, 20);
    EXPECT_LT(left, 80);

    // A flake turns five degrees a frame about its middle.
    m_window.DestroyWindow();
    pointTo(960, 540);
    create(QStringLiteral("SNOW"));
    frames();
    const FrameDrawing::Item& flake = items()[0];
    EXPECT_NEAR(turnOf(flake.transform), 5.0, 1e-4);
    EXPECT_TRUE(samePoint(flake.transform.map(flake.target.center()), flake.target.center()));
}

// Presents ------------------------------------------------------------------

TEST_F(CursorTest, OnePresentPerPressGrowingAndTurningAsItFallsSteadily)
{
    create(QStringLiteral("PRESENTS"));
    EXPECT_TRUE(items().empty());
    pointTo(400, 300);
    press();
    frames();
    // One pixel large at the pointer, 2 to 3 pixels below it.
    ASSERT_EQ(items().size(), 1u);
    const QRectF first = items()[0].target;
    EXPECT_NEAR(first.x(), 400, 0.5);
    EXPECT_GE(first.y(), 302);
    EXPECT_LE(first.y(), 303);
    EXPECT_EQ(first.size(), QSizeF(1, 1));
    // Held down and moved around: still one.
    std::vector<qreal> tops;
    for (int step = 0; step < 50; ++step) {
        pointTo(400 + step, 300);
        frames();
        ASSERT_EQ(items().size(), 1u);
        tops.push_back(items()[0].target.y());
    }
    EXPECT_NEAR(tops[49] - first.y(), 2 * (tops[24] - first.y()), 1e-3);
    EXPECT_EQ(items()[0].target.size(), QSizeF(11, 11));
    EXPECT_NEAR(turnOf(items()[0].transform), 250 - 360, 1e-6);
}

TEST_F(CursorTest, TwentyPresentsAtMostUntilOneLeavesAtTheBottom)
{
    create(QStringLiteral("PRESENTS"));
    for (int click = 0; click < 25; ++click) {
        press();
        frames();
        press(false);
        frames();
    }
    EXPECT_EQ(marks(), 20u);

    // Holding the button while they fall: a new one as soon as room is made.
    press();
    int leftBottom = 0;
    for (int step = 0; step < 400 && leftBottom == 0; ++step) {
        const size_t before = marks();
        frames();
        for (const FrameDrawing::Item& item : items())
            EXPECT_LE(item.target.top(), 1039);
        if (marks() < before)
            leftBottom = step;
    }
    ASSERT_GT(leftBottom, 0);
    const size_t afterLeaving = marks();
    EXPECT_LT(afterLeaving, 20u);
    frames();
    EXPECT_EQ(marks(), afterLeaving + 1);
    // That held press made one, not one for each gap that opens later.
    frames(400);
    EXPECT_EQ(marks(), 0u);
}

// Pendants --------------------------------------------------------------------

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
    const QPointF pivot(708, 420);
    std::vector<qreal> turns;
    for (int step = 0; step < 400; ++step) {
        frames();
        ASSERT_EQ(items().size(), 1u);
        EXPECT_EQ(items()[0].target.topLeft(), QPointF(700, 400) + GetParam().offset);
        // Turned about a point just below the pointer's tip.
        EXPECT_TRUE(samePoint(items()[0].transform.map(pivot), pivot));
        turns.push_back(turnOf(items()[0].transform));
    }
    // The first swing reaches about ten degrees each way, a degree per frame.
    const auto [least, most] = std::minmax_element(turns.begin(), turns.begin() + 50);
    EXPECT_NEAR(*most, 11.0, 0.01);
    EXPECT_LT(*least, -9.0);
    for (size_t i = 1; i < turns.size(); ++i)
        EXPECT_LE(std::fabs(turns[i] - turns[i - 1]), 1.0 + 1e-4);
    // Then it dies down and hangs upright.
    EXPECT_TRUE(items()[0].transform.isIdentity());

    // Moving on keeps it swinging.
    qreal widest = 0;
    for (int step = 0; step < 300; ++step) {
        pointTo(701 + step, 400);
        frames();
        if (step >= 200)
            widest = std::max(widest, std::fabs(turnOf(items()[0].transform)));
    }
    EXPECT_NEAR(widest, 11.0, 0.15);
}

INSTANTIATE_TEST_SUITE_P(AllPendants, CursorPendantTest,
                         ::testing::Values(PendantCase{"STOCKING", QPoint(-7, 15), QSize(32, 58)},
                                           PendantCase{"BALL", QPoint(-12, 18), QSize(42, 48)},
                                           PendantCase{"BELLS", QPoint(-9, 6), QSize(32, 32)},
                                           PendantCase{"WREATH", QPoint(-8, 16), QSize(32, 31)}),
                         KeyCaseName());

// Bow, flower and wreath: where each picture sits after some frames with the
// pointer at (960, 540), how far it has turned and the point it turns about.
struct TurningCase {
    const char* key;
    int frames;
    QRectF target;
    qreal turn;
    QPointF pivot;
};

class CursorTurningTest : public CursorTest, public ::testing::WithParamInterface<TurningCase> {};

TEST_P(CursorTurningTest, TurnsADegreeAFrameAboutItsPivot)
{
    create(QString::fromLatin1(GetParam().key));
    frames(GetParam().frames);
    const FrameDrawing::Item item = items()[0];
    EXPECT_EQ(item.target, GetParam().target);
    EXPECT_NEAR(turnOf(item.transform), GetParam().turn, 1e-4);
    EXPECT_TRUE(samePoint(item.transform.map(GetParam().pivot), GetParam().pivot));
    // Turning goes on, past a full circle.
    for (int step = 0; step < 400; ++step) {
        const qreal before = turnOf(items()[0].transform);
        frames();
        const qreal turned = std::remainder(turnOf(items()[0].transform) - before, 360.0);
        EXPECT_NEAR(turned, GetParam().turn == 0 ? 0.0 : 1.0, 1e-3) << step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Effects, CursorTurningTest,
    ::testing::Values(TurningCase{"BOW", 0, {952, 551, 32, 27}, 0, {960, 540}},
                      // The flower circles the pointer; the wreath turns about its own
                      // centre, 2 pixels right of and below the pointer.
                      TurningCase{"EUPHORBIA_PULCHERRIMA", 30, {976, 556, 32, 31}, 30, {960, 540}},
                      TurningCase{"SPINNING_WREATH", 45, {930, 510, 64, 64}, 45, {962, 542}}),
    KeyCaseName());

} // namespace
