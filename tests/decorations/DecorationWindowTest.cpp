#include "decorations/DecorationWindow.h"
#include "core/COptions.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

// A decoration with one 4x4 red square that moves one pixel right per tick.
class SquareWindow final : public DecorationWindow {
public:
    SquareWindow(COptions& options, const platform::Platform& services)
        : DecorationWindow(Template::Overlay, options, services, nullptr)
    {
    }

    using DecorationWindow::SetTimer;
    int m_x = 0;
    UINT_PTR m_nTimer = 1;

protected:
    bool OnInitDialog() override
    {
        MoveWindow(QRect(-100, 20, 200, 100));
        m_rcWindow = GetWindowRect();
        SetOnTop();
        m_nTimer = SetTimer(m_nTimer, 20);
        return true;
    }
    void OnTimer(UINT_PTR nIDEvent) override
    {
        ++m_x;
        DecorationWindow::OnTimer(nIDEvent);
    }
    void DrawFrame(FrameDrawing& graphics) override
    {
        QImage square(4, 4, QImage::Format_ARGB32_Premultiplied);
        square.fill(Qt::red);
        graphics.drawImage(square, m_x, 10);
    }
};

class DecorationWindowTest : public ::testing::Test {
protected:
    FakePlatform m_platform;
    COptions m_options{m_platform.services()};
};

TEST_F(DecorationWindowTest, CreatePlacesStacksAndShowsTheFirstFrame)
{
    SquareWindow window(m_options, m_platform.services());
    ASSERT_TRUE(window.Create());
    ASSERT_EQ(m_platform.windows.live().size(), 1u);
    FakeOverlaySurface* surface = m_platform.windows.live().front();
    EXPECT_TRUE(surface->m_clickThrough);
    EXPECT_EQ(window.m_rcWindow, QRect(-100, 20, 200, 100));
    EXPECT_EQ(surface->m_stacking, FakeOverlaySurface::Stacking::Top);
    EXPECT_EQ(surface->m_presentCount, 1);
    EXPECT_EQ(surface->m_frame.size(), QSize(200, 100));
    EXPECT_EQ(surface->m_frame.pixel(0, 10), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(surface->m_frame.pixel(4, 10)), 0);
}

TEST_F(DecorationWindowTest, TimerDrawsFramesUntilTheWindowGoes)
{
    SquareWindow window(m_options, m_platform.services());
    window.Create();
    EXPECT_EQ(m_platform.scheduler.periodOf(&window, 1), 20u);
    m_platform.scheduler.advance(60);
    EXPECT_EQ(window.m_x, 3);
    EXPECT_EQ(qAlpha(window.frameImage().pixel(2, 10)), 0);
    EXPECT_EQ(qAlpha(window.frameImage().pixel(3, 10)), 255);
    // A page's new speed re-arms the same timer.
    EXPECT_EQ(window.SetTimer(1, 30), 1u);
    EXPECT_EQ(m_platform.scheduler.timerCount(), 1u);
    m_platform.scheduler.advance(60);
    EXPECT_EQ(window.m_x, 5);
    EXPECT_EQ(m_platform.windows.live().front()->m_presentCount, 6);

    EXPECT_TRUE(window.DestroyWindow());
    EXPECT_FALSE(window.IsWindow());
    EXPECT_TRUE(m_platform.windows.live().empty());
    m_platform.scheduler.advance(100);
    EXPECT_EQ(window.m_x, 5);

    // Made again, the object keeps its state and its timer runs again.
    window.Create();
    m_platform.scheduler.advance(20);
    EXPECT_EQ(window.m_x, 6);
}

TEST_F(DecorationWindowTest, NoWindowSystemMeansNoWindowAndNoTimers)
{
    m_platform.windows.m_failCreation = true;
    SquareWindow window(m_options, m_platform.services());
    EXPECT_FALSE(window.Create());
    EXPECT_EQ(m_platform.scheduler.timerCount(), 0u);
    window.SetOnTop();
    EXPECT_FALSE(window.DestroyWindow());
}

} // namespace
