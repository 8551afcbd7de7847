#include "GarlandHarness.h"

#include "support/FakeOverlaySurface.h"

namespace {

// ---- The garland window shows only its edges ----

QRegion boxesOf(const FrameDrawing& drawing, const QRect& window)
{
    QRegion boxes;
    for (const FrameDrawing::Item& item : drawing.items())
        boxes += item.transform.mapRect(item.target).toAlignedRect() & window;
    return boxes;
}

class GarlandVisibleArea : public GarlandTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GarlandVisibleArea, CoversEveryPictureButNotTheMiddleOfTheScreen)
{
    useWindowSize(QSize(1920, 1040));
    createGarland(QString::fromLatin1(GetParam()));
    ASSERT_EQ(m_platform.windows.live().size(), 1u);
    const FakeOverlaySurface* surface = m_platform.windows.live().front();
    ASSERT_TRUE(surface->m_visibleArea.has_value());
    const QRegion& area = *surface->m_visibleArea;
    const QRect window(0, 0, 1920, 1040);
    ASSERT_FALSE(m_lights.lastDrawing().isEmpty());
    EXPECT_TRUE((boxesOf(m_lights.lastDrawing(), window) - area).isEmpty());
    // Even the deepest garland (the icicles, 310 pixels) leaves the middle
    // of the screen out, and a few strips make the whole outline.
    EXPECT_FALSE(area.intersects(QRect(200, 320, 1520, 520)));
    EXPECT_LE(area.rectCount(), 12);
}

INSTANTIATE_TEST_SUITE_P(Garlands, GarlandVisibleArea, ::testing::ValuesIn(kGarlandKeys),
                         garlandCaseName);

TEST_F(GarlandVisibleArea, IsSetOnceWhileTheGarlandFlashesAndAgainForAnotherGarlandOrWindow)
{
    useWindowSize(QSize(1920, 1040));
    createGarland(QStringLiteral("multicolor"), 4);
    const FakeOverlaySurface* surface = m_platform.windows.live().front();
    EXPECT_EQ(surface->m_visibleAreaCalls, 1);
    for (int tick = 0; tick < 20; ++tick)
        m_platform.scheduler.advance(300);
    EXPECT_GT(surface->m_presentCount, 10);
    EXPECT_EQ(surface->m_visibleAreaCalls, 1);

    const QRegion bulbs = *surface->m_visibleArea;
    m_lights.SetGarland(QStringLiteral("snowflake"));
    m_lights.RedrawWindow();
    EXPECT_EQ(surface->m_visibleAreaCalls, 2);
    EXPECT_NE(*surface->m_visibleArea, bulbs);

    // A window made again (with the garland the settings name) is given its area anew.
    m_lights.DestroyWindow();
    ASSERT_TRUE(m_lights.Create());
    ASSERT_TRUE(m_platform.windows.live().front()->m_visibleArea.has_value());
    EXPECT_EQ(*m_platform.windows.live().front()->m_visibleArea, bulbs);
}

} // namespace
