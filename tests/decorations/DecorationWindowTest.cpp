#include "decorations/DecorationWindow.h"
#include "core/COptions.h"
#include "decorations/CDlgLights.h"
#include "decorations/CDlgSnow.h"
#include "decorations/CaseName.h"
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
    EXPECT_EQ(surface->m_geometry, QRect(-100, 20, 200, 100));
    EXPECT_EQ(surface->m_stacking, FakeOverlaySurface::Stacking::Top);
    EXPECT_EQ(surface->m_presentCount, 1);
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
    EXPECT_TRUE(m_platform.windows.live().empty());
    EXPECT_EQ(m_platform.scheduler.timerCount(), 0u);
    m_platform.scheduler.advance(100);
    EXPECT_EQ(window.m_x, 5);
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

// ---- Where the snow and the garland windows go ----

// Desktops of a 1920x1080 primary screen: each Windows version left its own
// gap above the taskbar, and the snow and the garland follow different rules.
struct DesktopCase {
    const char* name;
    int major, minor;
    QRect virtualScreen;
    QRect workArea;
    bool autoHide;
    QRect snow;
    QRect garland;
};

class WindowRectangle : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(WindowRectangle, SnowAndGarlandCoverTheScreenDownToTheirGapAboveTheTaskbar)
{
    const DesktopCase& testCase = GetParam();
    FakePlatform platform;
    platform.system.setVersion(testCase.major, testCase.minor);
    platform.desktop.m_virtual = testCase.virtualScreen;
    platform.desktop.m_workArea = testCase.workArea;
    platform.desktop.m_autoHide = testCase.autoHide;
    COptions options{platform.services()};
    CDlgSnow snow{options, platform.services()};
    CDlgLights lights{options, platform.services()};
    for (auto [window, expected] :
         {std::pair<DecorationWindow*, QRect>{&snow, testCase.snow},
          std::pair<DecorationWindow*, QRect>{&lights, testCase.garland}}) {
        ASSERT_TRUE(window->Create());
        const FakeOverlaySurface* surface = platform.windows.live().back();
        EXPECT_EQ(surface->m_geometry, expected);
        EXPECT_TRUE(surface->m_clickThrough);
    }
}

const QRect kScreen(0, 0, 1920, 1080);
const QRect kBottomPanel(0, 0, 1920, 1040);
const QRect kTopPanel(0, 40, 1920, 1040);
const QRect kTo1039(0, 0, 1920, 1039);
const QRect kTo1079(0, 0, 1920, 1079);

INSTANTIATE_TEST_SUITE_P(
    Desktops, WindowRectangle,
    ::testing::Values(
        DesktopCase{"Xp", 5, 1, kScreen, kBottomPanel, false, kBottomPanel, kBottomPanel},
        DesktopCase{"Vista", 6, 0, kScreen, kBottomPanel, false, kTo1039, kTo1039},
        DesktopCase{"Seven", 6, 1, kScreen, kBottomPanel, false, kTo1079, kBottomPanel},
        DesktopCase{"Eight", 6, 2, kScreen, kBottomPanel, false, kTo1079, kBottomPanel},
        DesktopCase{"Ten", 10, 0, kScreen, kBottomPanel, false, kBottomPanel, kBottomPanel},
        DesktopCase{"XpAutoHide", 5, 1, kScreen, kBottomPanel, true, kTo1079, kTo1079},
        DesktopCase{"VistaAutoHide", 6, 0, kScreen, kScreen, true, kTo1079, kTo1079},
        DesktopCase{"SevenAutoHide", 6, 1, kScreen, kBottomPanel, true, kTo1079, kTo1079},
        DesktopCase{"TopPanel", 10, 0, kScreen, kTopPanel, false, kScreen, kScreen},
        DesktopCase{"TopPanelVista", 6, 0, kScreen, kTopPanel, false, kTo1079, kTo1079},
        DesktopCase{"LeftPanel", 10, 0, kScreen, QRect(40, 0, 1880, 1080), false, kScreen, kScreen},
        DesktopCase{"MonitorsLeftAndAbove", 10, 0, QRect(-1280, -200, 3200, 1280), kBottomPanel,
                    false, QRect(-1280, -200, 3200, 1240), QRect(-1280, -200, 3200, 1240)}),
    CaseName());

} // namespace
