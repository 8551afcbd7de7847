#include "decorations/ZelDlgEffectUnder.h"

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/RuntimeLibrary.h"

#include <algorithm>
#include <utility>

namespace {

constexpr uint32_t kFramePeriodMs = 20;

} // namespace

ZelDlgEffectUnder::ZelDlgEffectUnder(COptions& options, const platform::Platform& services)
    : DecorationWindow(Template::Overlay, options, services, nullptr)
{
    crt::srand(static_cast<uint32_t>(services.clock->unixTime()));
}

bool ZelDlgEffectUnder::KeepAbove(QWindow* window, std::function<void(const QRect&)> onMoved)
{
    platform::OverlaySurface* overlay = surface();
    if (!overlay)
        return false;
    overlay->onKeptAboveMoved = std::move(onMoved);
    return overlay->keepAbove(window);
}

bool ZelDlgEffectUnder::OnInitDialog()
{
    // The primary screen less its lowest row, with its corner at the screen's
    // origin, so that the settings window's screen pixels are this window's.
    const QSize screen = m_services.desktop->primaryScreenSize();
    MoveWindow(QRect(0, 0, std::max(screen.width(), 1), std::max(screen.height() - 1, 1)));
    m_rcWindow = GetWindowRect();
    m_nTimer = SetTimer(m_nTimer, kFramePeriodMs);
    return true;
}

void ZelDlgEffectUnder::OnTimer(UINT_PTR nIDEvent)
{
    // Between drags there is nothing to draw, and the empty frame is on the
    // screen already.
    if (m_points.empty() && m_particles.empty() && lastDrawing().isEmpty())
        return;
    DecorationWindow::OnTimer(nIDEvent);
}

void ZelDlgEffectUnder::DrawFrame(FrameDrawing& graphics)
{
    DrawFairyDust(graphics);
}

void ZelDlgEffectUnder::DrawFairyDust(FrameDrawing& graphics)
{
    // Every point queued since the last frame becomes a star now, starting
    // right on the edge it was taken from.
    while (!m_points.empty()) {
        const QPoint point = m_points.front() - m_rcWindow.topLeft();
        m_particles.push_back(
            FairyDust::MakeParticle(static_cast<float>(point.x()), static_cast<float>(point.y())));
        m_points.pop_front();
    }
    FairyDust::MoveAndDraw(m_particles, graphics);
}

QString ZelDlgEffectUnder::WindowName() const
{
    // Tells it from the cursor's window of the same size in a list of windows.
    return QStringLiteral("Yulavin fairy dust");
}

std::optional<QRegion> ZelDlgEffectUnder::VisibleArea() const
{
    // Most of the time no star falls: the window then shows nothing at all,
    // and the desktop need not blend a screen-sized window of empty pixels.
    if (lastDrawing().isEmpty())
        return QRegion();
    return QRegion(QRect(QPoint(0, 0), m_rcWindow.size()));
}
