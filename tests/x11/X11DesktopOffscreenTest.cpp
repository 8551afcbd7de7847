#include "platform/X11Desktop.h"
#include "support/FakeClock.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// Without an X server (Qt's offscreen platform, Wayland without X) the
// desktop answers from Qt alone and never fails.
class X11DesktopOffscreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            GTEST_SKIP() << "runs on the offscreen platform only";
        m_clock.setTick(4'000'000'000u);
    }

    FakeClock m_clock;
    platform::X11Desktop m_desktop{m_clock};
};

TEST_F(X11DesktopOffscreenTest, AnswersFromQtAlone)
{
    EXPECT_EQ(m_desktop.userNotificationState(), std::nullopt);
    EXPECT_FALSE(m_desktop.leftButtonDown());
    EXPECT_FALSE(m_desktop.screenSaverRunning());
    EXPECT_EQ(m_desktop.lastInputTick(), 4'000'000'000u);
    const QSize primary = m_desktop.primaryScreenSize();
    EXPECT_FALSE(primary.isEmpty());
    EXPECT_TRUE(m_desktop.virtualScreen().contains(QRect(QPoint(0, 0), primary)));
    EXPECT_TRUE(m_desktop.virtualScreen().contains(m_desktop.workArea()));
}
