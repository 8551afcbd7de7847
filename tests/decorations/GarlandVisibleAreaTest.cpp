#include "GarlandHarness.h"
#include "decorations/CaseName.h"

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
                         KeyCaseName());

} // namespace
