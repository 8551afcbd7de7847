#pragma once

#include "platform/OverlaySurface.h"

#include <QImage>
#include <QRegion>
#include <QString>

#include <optional>
#include <vector>

// A decoration window that only records: where it is, where it is stacked and
// what was pushed to it. A test can play the user (drag it) or the desktop
// (focus, activation).
class FakeOverlaySurface : public platform::OverlaySurface {
public:
    enum class Stacking { Unset, Top, Bottom };

    explicit FakeOverlaySurface(bool clickThrough) : m_clickThrough(clickThrough) {}

    void setGeometry(const QRect& rect) override { m_geometry = rect; }
    QRect geometry() override { return m_geometry; }
    void present(const QImage& frame, const QRegion& changed, uint8_t constantAlpha) override
    {
        m_frame = frame.copy();
        m_changed = changed;
        m_alpha = constantAlpha;
        ++m_presentCount;
    }
    void setVisibleArea(const QRegion& area) override
    {
        m_visibleArea = area;
        ++m_visibleAreaCalls;
    }
    void setZOrder(bool topmost) override
    {
        m_stacking = topmost ? Stacking::Top : Stacking::Bottom;
        m_stackingCalls.push_back(m_stacking);
    }
    void raise() override { ++m_raiseCount; }
    bool keepAbove(QWindow* window) override
    {
        m_keptAbove.push_back(window);
        return m_followsKeptAbove;
    }
    bool startSystemMove() override
    {
        ++m_systemMoves;
        return true;
    }

    int m_serial = 0;
    bool m_clickThrough;
    QString m_name;
    QRect m_geometry;
    QImage m_frame;
    QRegion m_changed;
    uint8_t m_alpha = 0;
    int m_presentCount = 0;
    // Nothing until the window names the part of it that is shown.
    std::optional<QRegion> m_visibleArea;
    int m_visibleAreaCalls = 0;
    Stacking m_stacking = Stacking::Unset;
    std::vector<Stacking> m_stackingCalls;
    int m_raiseCount = 0;
    // Every window it was told to stay above, in order (null: let go).
    std::vector<QWindow*> m_keptAbove;
    // Whether it says it tells of that window's moves (onKeptAboveMoved), as
    // on X11; Qt's offscreen platform cannot.
    bool m_followsKeptAbove = false;
    int m_systemMoves = 0;
};
