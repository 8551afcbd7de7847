#include "SettingsWindowFixture.h"

#include "decorations/FairyDust.h"
#include "platform/RuntimeLibrary.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMoveEvent>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <vector>

namespace {

const std::array<QRgb, 4> kStarColours = {0xFFFF00FF, 0xFF00FF00, 0xFF00FFFF, 0xFFFFFF00};

// Four points from `first` on, one on each edge of the outline in the order
// top, right, bottom, left, each anywhere along its edge; the right and
// bottom edges lie one past the outline's last pixel.
::testing::AssertionResult onEdges(const std::deque<QPoint>& points, size_t first, QRect outline)
{
    if (points.size() < first + 4)
        return ::testing::AssertionFailure() << points.size() << " points";
    const int right = outline.x() + outline.width();
    const int bottom = outline.y() + outline.height();
    auto along = [](int value, int from, int to) { return value >= from && value <= to; };
    const QPoint top = points[first];
    const QPoint east = points[first + 1];
    const QPoint low = points[first + 2];
    const QPoint west = points[first + 3];
    if (top.y() == outline.top() && along(top.x(), outline.left(), right) && east.x() == right &&
        along(east.y(), outline.top(), bottom) && low.y() == bottom &&
        along(low.x(), outline.left(), right) && west.x() == outline.left() &&
        along(west.y(), outline.top(), bottom))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << top.x() << "," << top.y() << ") (" << east.x() << "," << east.y() << ") ("
           << low.x() << "," << low.y() << ") (" << west.x() << "," << west.y() << ")";
}

bool fullyTransparent(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        if (std::any_of(row, row + picture.width(), [](QRgb pixel) { return qAlpha(pixel) != 0; }))
            return false;
    }
    return true;
}

// The stars that fall from the settings window's edges while it moves, on
// the fake services: the only decoration window these tests make is theirs.
class SettingsWindowFairyDustTest : public SettingsWindowFixture {
protected:
    FakeOverlaySurface* overlay() const { return services.windows.first(); }
    void frames(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            services.scheduler.advance(20);
    }
    // Moves the window as the user's drag does, and waits until it heard of it.
    static void moveBy(CZelDlg& dlg, QPoint step)
    {
        const QPoint target = dlg.pos() + step;
        dlg.move(target);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.pos() == target; }, 2000));
        QCoreApplication::processEvents();
    }
};

TEST_F(SettingsWindowFairyDustTest, CoversThePrimaryScreenLessItsLastRowAndLetsClicksThrough)
{
    services.desktop.m_primary = QSize(1600, 900);
    runWindow([&](CZelDlg& dlg) {
        ASSERT_EQ(services.windows.live().size(), 1u);
        EXPECT_EQ(overlay()->m_geometry, QRect(0, 0, 1600, 899));
        EXPECT_TRUE(overlay()->m_clickThrough);
        EXPECT_EQ(overlay()->m_name, "Yulavin fairy dust");
        EXPECT_EQ(services.scheduler.periodOf(&dlg.m_effectUnder, dlg.m_effectUnder.m_nTimer), 20u);
    });
    // The window goes with the settings window's.
    EXPECT_TRUE(services.windows.live().empty());
}

TEST_F(SettingsWindowFairyDustTest,
       EachMoveQueuesOnePointOnEveryEdgeAndTheNextFrameStartsStarsThere)
{
    runWindow([&](CZelDlg& dlg) {
        crt::srand(1224);
        frames(); // whatever showing the window queued is gone
        dlg.m_effectUnder.m_particles.clear();

        moveBy(dlg, QPoint(30, 20));
        ASSERT_EQ(dlg.m_effectUnder.m_points.size(), 4u);
        EXPECT_TRUE(onEdges(dlg.m_effectUnder.m_points, 0, dlg.frameGeometry()));
        const std::vector<QPoint> points(dlg.m_effectUnder.m_points.begin(),
                                         dlg.m_effectUnder.m_points.end());

        const int pushed = overlay()->m_presentCount;
        frames();
        EXPECT_TRUE(dlg.m_effectUnder.m_points.empty());
        const auto& stars = dlg.m_effectUnder.m_particles;
        ASSERT_EQ(stars.size(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            // One frame on: a pixel lower, and at most half a pixel aside.
            EXPECT_FLOAT_EQ(stars[i].y, static_cast<float>(points[i].y() + 1)) << i;
            EXPECT_LE(std::fabs(stars[i].x - static_cast<float>(points[i].x())), 0.5f) << i;
            EXPECT_NE(std::find(kStarColours.begin(), kStarColours.end(), stars[i].color),
                      kStarColours.end());
        }
        EXPECT_EQ(dlg.m_effectUnder.lastDrawing().items().size(), 4u);
        EXPECT_EQ(overlay()->m_presentCount, pushed + 1);
        EXPECT_GT(overlay()->m_changed.rectCount(), 0);
    });
}

// A window manager that drags a window may tell it where it went only at
// the end; where the desktop follows the frame itself, every step it
// reports is a move, and the window's own move events add nothing.
TEST_F(SettingsWindowFairyDustTest, EveryStepOfTheFrameTheDesktopReportsQueuesItsFourEdges)
{
    runWindow([&](CZelDlg& dlg) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        overlay()->m_followsKeptAbove = true;
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        frames();
        dlg.m_effectUnder.m_particles.clear();
        ASSERT_TRUE(overlay()->onKeptAboveMoved);

        overlay()->onKeptAboveMoved(QRect(100, 50, 500, 340));
        overlay()->onKeptAboveMoved(QRect(110, 52, 500, 340));
        ASSERT_EQ(dlg.m_effectUnder.m_points.size(), 8u);
        EXPECT_TRUE(onEdges(dlg.m_effectUnder.m_points, 0, QRect(100, 50, 500, 340)));
        EXPECT_TRUE(onEdges(dlg.m_effectUnder.m_points, 4, QRect(110, 52, 500, 340)));

        moveBy(dlg, QPoint(5, 5));
        EXPECT_EQ(dlg.m_effectUnder.m_points.size(), 8u);
        frames();
        EXPECT_EQ(dlg.m_effectUnder.m_particles.size(), 8u);
    });
}

TEST_F(SettingsWindowFairyDustTest, StarsFallAndFadeFor120FramesThenNoFrameIsPushed)
{
    runWindow([&](CZelDlg& dlg) {
        frames();
        dlg.m_effectUnder.m_particles.clear();
        moveBy(dlg, QPoint(-40, 10));
        const int firstY = dlg.m_effectUnder.m_points.front().y();
        frames();
        const qreal largest = dlg.m_effectUnder.lastDrawing().items().at(0).target.height();

        frames(99);
        ASSERT_EQ(dlg.m_effectUnder.m_particles.size(), 4u);
        EXPECT_LT(dlg.m_effectUnder.lastDrawing().items().at(0).target.height(), largest / 2);
        // The 120th frame ages them to nothing; the next one takes them away.
        frames(20);
        ASSERT_EQ(dlg.m_effectUnder.m_particles.size(), 4u);
        EXPECT_FLOAT_EQ(dlg.m_effectUnder.m_particles.front().y, static_cast<float>(firstY + 120));
        frames();
        EXPECT_TRUE(dlg.m_effectUnder.m_particles.empty());
        EXPECT_TRUE(dlg.m_effectUnder.lastDrawing().isEmpty());
        // The screen was cleared, and the window then shows nothing at all.
        EXPECT_TRUE(fullyTransparent(overlay()->m_frame));
        ASSERT_TRUE(overlay()->m_visibleArea.has_value());
        EXPECT_TRUE(overlay()->m_visibleArea->isEmpty());

        const int pushed = overlay()->m_presentCount;
        frames(50);
        EXPECT_EQ(overlay()->m_presentCount, pushed);
    });
}

TEST_F(SettingsWindowFairyDustTest, NothingIsQueuedWhileTheWindowIsHiddenAtStart)
{
    runWindow(
        [&](CZelDlg& dlg) {
            // The window exists from the start, showing nothing.
            ASSERT_NE(overlay(), nullptr);
            const int pushed = overlay()->m_presentCount;
            QMoveEvent move(QPoint(300, 200), QPoint(100, 100));
            QCoreApplication::sendEvent(&dlg, &move);
            EXPECT_TRUE(dlg.m_effectUnder.m_points.empty());
            frames(10);
            EXPECT_TRUE(dlg.m_effectUnder.m_particles.empty());
            EXPECT_EQ(overlay()->m_presentCount, pushed);

            // Once the user opened it, every move counts; being told where
            // it is as it shows is none.
            services.tray.doubleClick();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
            frames();
            dlg.m_effectUnder.m_points.clear();
            QMoveEvent firstShow(dlg.pos(), dlg.pos());
            QCoreApplication::sendEvent(&dlg, &firstShow);
            EXPECT_TRUE(dlg.m_effectUnder.m_points.empty());
            moveBy(dlg, QPoint(15, 15));
            EXPECT_EQ(dlg.m_effectUnder.m_points.size(), 4u);
        },
        true);
}

TEST_F(SettingsWindowFairyDustTest, ActivationKeepsTheDustDirectlyAboveTheWindow)
{
    runWindow([&](CZelDlg& dlg) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        // The user leaves the program and comes back to it, as the desktop
        // tells it.
        const size_t before = overlay()->m_keptAbove.size();
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        EXPECT_EQ(overlay()->m_keptAbove.size(), before);
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        ASSERT_EQ(overlay()->m_keptAbove.size(), before + 1);
        EXPECT_EQ(overlay()->m_keptAbove.back(), dlg.windowHandle());
        // Never put on top of everything or at the bottom by activation.
        EXPECT_EQ(overlay()->m_stacking, FakeOverlaySurface::Stacking::Unset);
    });
}

} // namespace
