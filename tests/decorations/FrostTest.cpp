#include "core/COptions.h"
#include "decorations/CDlgFrost.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr uint32_t kTenMinutes = 10 * 60000;

// The frost waits ten minutes unless a case says otherwise.
class FrostTest : public ::testing::Test {
protected:
    FrostTest() { m_frost.m_dwWaitTime = kTenMinutes; }
    FakeOverlaySurface* surface() const { return m_platform.windows.first(); }
    // The user touches the mouse now.
    void input() { m_platform.desktop.m_lastInput = m_platform.clock.tickCount(); }
    // Moves time on in half-second steps (every timer of the window falls on
    // one), until the check holds; the milliseconds it took, or nullopt.
    template <typename Check> std::optional<uint32_t> advanceUntil(Check check, uint32_t limitMs)
    {
        for (uint32_t elapsed = 0; elapsed <= limitMs; elapsed += 500) {
            if (check())
                return elapsed;
            m_platform.scheduler.advance(500);
        }
        return std::nullopt;
    }

    FakePlatform m_platform;
    COptions m_options{m_platform.services()};
    CDlgFrost m_frost{m_options, m_platform.services()};
};

TEST_F(FrostTest, CoversTheVirtualScreenOnTopAndLetsClicksThrough)
{
    // A monitor left of and above the primary one.
    m_platform.desktop.m_virtual = QRect(-1280, -200, 3200, 1280);
    ASSERT_TRUE(m_frost.Create());
    ASSERT_NE(surface(), nullptr);
    EXPECT_EQ(surface()->m_geometry, QRect(-1280, -200, 3200, 1279));
    EXPECT_TRUE(surface()->m_clickThrough);
    EXPECT_EQ(surface()->m_stacking, FakeOverlaySurface::Stacking::Top);
    EXPECT_EQ(m_platform.scheduler.periodOf(&m_frost, 1), 10000u);
    EXPECT_EQ(m_platform.scheduler.periodOf(&m_frost, 2), 500u);
    // Nothing shows before the user has been away long enough.
    EXPECT_EQ(surface()->m_presentCount, 1);
    EXPECT_EQ(surface()->m_alpha, 0);
    EXPECT_TRUE(m_frost.lastDrawing().isEmpty());
}

// Where the last input falls between two fade ticks.
class FrostStartTest : public FrostTest, public ::testing::WithParamInterface<uint32_t> {};

TEST_P(FrostStartTest, ShowsBetween600And610SecondsAfterTheLastInputAndIsOpaque51StepsLater)
{
    m_frost.Create();
    m_platform.scheduler.advance(GetParam());
    input();

    const std::optional<uint32_t> shownAfter =
        advanceUntil([&] { return m_frost.m_bShown; }, 700000);
    ASSERT_TRUE(shownAfter);
    EXPECT_GT(*shownAfter, 600000u);
    EXPECT_LE(*shownAfter, 610000u);
    EXPECT_EQ(surface()->m_alpha, 5);
    ASSERT_EQ(m_frost.lastDrawing().items().size(), 1u);
    EXPECT_EQ(m_frost.lastDrawing().items()[0].target, QRectF(0, 0, 1920, 1079));

    // One step of 5 per fade tick, 51 steps to full opacity.
    for (int step = 2; step <= 51; ++step) {
        m_platform.scheduler.advance(10000);
        ASSERT_EQ(surface()->m_alpha, 5 * step) << "step " << step;
    }
    m_platform.scheduler.advance(60000);
    EXPECT_EQ(surface()->m_alpha, 255);
}

INSTANTIATE_TEST_SUITE_P(InputBetweenFadeTicks, FrostStartTest,
                         ::testing::Values(0u, 500u, 4500u, 9500u),
                         ::testing::PrintToStringParamName());

TEST_F(FrostTest, InputClearsItWithinHalfASecondAndTheNextFadeStartsOverAfterAFullWait)
{
    m_frost.Create();
    m_platform.scheduler.advance(1200000);
    ASSERT_EQ(surface()->m_alpha, 255);

    // A mouse move just after an input-timer tick: the slowest case.
    m_platform.scheduler.advance(1);
    input();
    m_platform.scheduler.advance(499);
    EXPECT_EQ(surface()->m_alpha, 0);
    EXPECT_EQ(qAlpha(surface()->m_frame.pixel(960, 540)), 0);

    const uint32_t inputTick = m_platform.desktop.m_lastInput;
    const std::optional<uint32_t> shownAgain =
        advanceUntil([&] { return m_frost.m_bShown; }, 700000);
    ASSERT_TRUE(shownAgain);
    const uint32_t sinceInput = m_platform.clock.tickCount() - inputTick;
    EXPECT_GT(sinceInput, 600000u);
    EXPECT_LE(sinceInput, 610000u);
    EXPECT_EQ(surface()->m_alpha, 5);
}

TEST_F(FrostTest, StaysHiddenWhileTheScreenSaverRuns)
{
    m_platform.desktop.m_screenSaver = true;
    m_frost.Create();
    m_platform.scheduler.advance(3 * 3600 * 1000);
    EXPECT_EQ(surface()->m_presentCount, 1);

    // A screen saver that starts over the frost takes it away too.
    m_platform.desktop.m_screenSaver = false;
    m_platform.scheduler.advance(10000);
    ASSERT_TRUE(m_frost.m_bShown);
    m_platform.desktop.m_screenSaver = true;
    m_platform.scheduler.advance(500);
    EXPECT_EQ(surface()->m_alpha, 0);
}

TEST_F(FrostTest, IdleTimeIsRightWhenTheTickCountWrapsAfter49Days)
{
    // The last input 100 s before the 32-bit millisecond counter wraps.
    m_platform.clock.setTick(0xFFFFFFFFu - 100000u);
    input();
    m_frost.Create();

    // Past the wrap, 5 minutes after the input: not idle long enough.
    m_platform.scheduler.advance(300000);
    EXPECT_FALSE(m_frost.m_bShown);

    const std::optional<uint32_t> shownAfter =
        advanceUntil([&] { return m_frost.m_bShown; }, 400000);
    ASSERT_TRUE(shownAfter);
    EXPECT_GT(300000 + *shownAfter, 600000u);
    EXPECT_LE(300000 + *shownAfter, 610000u);
}

// With no wait at all the frost comes after a quiet second, and input always
// takes it away, however close it comes before a check.
TEST_F(FrostTest, AtZeroMinutesEveryInputClearsIt)
{
    m_frost.m_dwWaitTime = 0;
    m_frost.Create();
    m_platform.scheduler.advance(9999);
    input();
    m_platform.scheduler.advance(1);
    EXPECT_FALSE(m_frost.m_bShown);
    m_platform.scheduler.advance(10000);
    ASSERT_EQ(surface()->m_alpha, 5);

    for (uint32_t beforeTick : {1u, 250u, 499u}) {
        SCOPED_TRACE(beforeTick);
        m_platform.scheduler.advance(500 - beforeTick);
        input();
        m_platform.scheduler.advance(beforeTick);
        EXPECT_FALSE(m_frost.m_bShown);
        EXPECT_EQ(surface()->m_alpha, 0);
        m_platform.scheduler.advance(9500 + 10000);
        ASSERT_TRUE(m_frost.m_bShown);
    }

    // A pointer that keeps moving keeps it away.
    input();
    m_platform.scheduler.advance(500);
    for (int move = 0; move < 600; ++move) {
        ASSERT_FALSE(m_frost.m_bShown) << "after " << move << " moves";
        m_platform.scheduler.advance(100);
        input();
    }
}

TEST_F(FrostTest, KeepsItsOpacityAcrossDestroyAndCreate)
{
    m_frost.Create();
    m_platform.scheduler.advance(700000);
    const uint8_t alpha = m_frost.m_nAlpha;
    ASSERT_GT(alpha, 5);

    EXPECT_TRUE(m_frost.DestroyWindow());
    m_platform.scheduler.advance(100000);

    // Made again, the first frame shows the kept opacity and fading goes on.
    m_frost.Create();
    EXPECT_EQ(surface()->m_alpha, alpha);
    EXPECT_EQ(m_frost.lastDrawing().items().size(), 1u);
    m_platform.scheduler.advance(10000);
    EXPECT_EQ(surface()->m_alpha, alpha + 5);
}

TEST_F(FrostTest, ReturnsOnTopWhenTheProgramIsActivated)
{
    m_frost.Create();
    ASSERT_EQ(surface()->m_stackingCalls.size(), 1u);
    m_platform.windows.activateApplication(false);
    if (surface()->onFocusIn)
        surface()->onFocusIn();
    EXPECT_EQ(surface()->m_stackingCalls.size(), 1u);
    m_platform.windows.activateApplication(true);
    ASSERT_EQ(surface()->m_stackingCalls.size(), 2u);
    EXPECT_EQ(surface()->m_stackingCalls.back(), FakeOverlaySurface::Stacking::Top);
}

struct PictureCase {
    int virtualHeight;
    QSize picture;
};

class FrostPictureTest : public FrostTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(FrostPictureTest, SmallPictureUpTo768RowsStretchedOverTheWindow)
{
    m_platform.desktop.m_virtual = QRect(0, 0, 1600, GetParam().virtualHeight);
    m_frost.m_dwWaitTime = 0;
    m_frost.Create();
    m_platform.scheduler.advance(10000);
    ASSERT_EQ(m_frost.lastDrawing().items().size(), 1u);
    const FrameDrawing::Item& item = m_frost.lastDrawing().items()[0];
    EXPECT_EQ(item.image.size(), GetParam().picture);
    EXPECT_EQ(item.target, QRectF(0, 0, 1600, GetParam().virtualHeight - 1));
    // The picture covers the window: its corners are frost, not holes.
    const QImage& frame = m_frost.frameImage();
    EXPECT_GT(qAlpha(frame.pixel(0, 0)), 0);
    EXPECT_GT(qAlpha(frame.pixel(frame.width() - 1, frame.height() - 1)), 0);
}

INSTANTIATE_TEST_SUITE_P(ByScreenHeight, FrostPictureTest,
                         ::testing::Values(PictureCase{768, {1366, 768}},
                                           PictureCase{769, {1366, 768}},
                                           PictureCase{770, {1920, 1080}},
                                           PictureCase{1080, {1920, 1080}},
                                           PictureCase{2160, {1920, 1080}}),
                         [](const ::testing::TestParamInfo<PictureCase>& testCase) {
                             return "Height" + std::to_string(testCase.param.virtualHeight);
                         });

} // namespace
