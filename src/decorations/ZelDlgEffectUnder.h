#pragma once

#include "decorations/DecorationWindow.h"
#include "decorations/FairyDust.h"

#include <QPoint>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWindow;

// The fairy dust that falls from the settings window's edges while the user
// drags it: a click-through window over the primary screen that turns every
// point the settings window hands it into a star, and lets the stars fall and
// fade until none is left. It belongs to the settings window, which feeds it
// and keeps it directly above itself in the window order, so stars that fall
// across the settings window show on top of it.
class ZelDlgEffectUnder final : public DecorationWindow {
public:
    using PARTICLE_FAIRY_DUST = FairyDust::Particle;

    ZelDlgEffectUnder(COptions& options, const platform::Platform& services);

    // Directly above that window in the window order, and back there whenever
    // the window manager raises it; nothing without a window. True when every
    // move of that window, frame and all, is told to onMoved from now on
    // (in screen pixels), also those its own move events miss.
    bool KeepAbove(QWindow* window, std::function<void(const QRect&)> onMoved);

    UINT_PTR m_nTimer = 1;
    // Points still to become stars, in screen pixels, oldest first; the
    // settings window appends to it as it moves.
    std::deque<QPoint> m_points;
    // The live stars, in window pixels.
    std::vector<PARTICLE_FAIRY_DUST> m_particles;

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    // Neither the focus nor the program's activation moves this window: the
    // settings window places it.
    void OnSetFocus() override {}
    void OnActivateApp(bool) override {}
    void DrawFrame(FrameDrawing& graphics) override;
    std::optional<QRegion> VisibleArea() const override;
    QString WindowName() const override;

private:
    void DrawFairyDust(FrameDrawing& graphics);
};
