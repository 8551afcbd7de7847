#include "decorations/DecorationWindow.h"

#include "platform/Platform.h"

#include <typeinfo>

DecorationWindow::DecorationWindow(Template dialogTemplate) : m_template(dialogTemplate) {}

DecorationWindow::~DecorationWindow()
{
    DecorationWindow::DestroyWindow();
}

bool DecorationWindow::Create()
{
    if (m_surface)
        return true;
    platform::WindowSystem* windows = platform::Platform::current().windows;
    if (!windows)
        return false;
    platform::WindowSystem::OverlayOptions options;
    options.clickThrough = m_template == Template::Overlay;
    m_surface = windows->createOverlay(options);
    if (!m_surface)
        return false;
    m_surface->onFocusIn = [this] { OnSetFocus(); };
    m_surface->onApplicationActivation = [this](bool active) { OnActivateApp(active); };
    m_surface->onLeftButtonDown = [this](QPoint point) { OnLButtonDown(point); };
    m_compositor.reset();
    m_visibleArea.reset();
    OnInitDialog();
    if (m_surface)
        RedrawWindow();
    return m_surface != nullptr;
}

bool DecorationWindow::DestroyWindow()
{
    if (!m_surface)
        return false;
    if (platform::Scheduler* scheduler = platform::Platform::current().scheduler)
        scheduler->killAllTimers(this);
    m_surface.reset();
    m_drawing.clear();
    m_compositor.reset();
    m_visibleArea.reset();
    return true;
}

void DecorationWindow::SetOnTop()
{
    if (m_surface)
        m_surface->setZOrder(true);
}

void DecorationWindow::SetOnDesktop()
{
    if (m_surface)
        m_surface->setZOrder(false);
}

void DecorationWindow::Raise()
{
    if (m_surface)
        m_surface->raise();
}

void DecorationWindow::OnTimer(UINT_PTR)
{
    RedrawWindow();
}

void DecorationWindow::OnActivateApp(bool) {}

void DecorationWindow::OnLButtonDown(QPoint) {}

void DecorationWindow::MoveWindow(const QRect& rect)
{
    if (m_surface)
        m_surface->setGeometry(rect);
}

QRect DecorationWindow::GetWindowRect() const
{
    return m_surface ? m_surface->geometry() : QRect();
}

DecorationWindow::UINT_PTR DecorationWindow::SetTimer(UINT_PTR nIDEvent, uint32_t nElapse)
{
    platform::Scheduler* scheduler = platform::Platform::current().scheduler;
    if (!m_surface || !scheduler)
        return 0;
    return scheduler->setTimer(this, nIDEvent, nElapse, [this](UINT_PTR id) { OnTimer(id); });
}

bool DecorationWindow::KillTimer(UINT_PTR nIDEvent)
{
    platform::Scheduler* scheduler = platform::Platform::current().scheduler;
    return m_surface && scheduler && scheduler->killTimer(this, nIDEvent);
}

void DecorationWindow::RedrawWindow()
{
    if (!m_surface)
        return;
    m_drawing.clear();
    DrawFrame(m_drawing);
    // The class may have ended its window while drawing.
    if (!m_surface)
        return;
    if (std::optional<QRegion> area = VisibleArea(); area && area != m_visibleArea) {
        m_visibleArea = std::move(area);
        m_surface->setVisibleArea(*m_visibleArea);
    }
    // At full alpha the frame is painted straight into the memory the window
    // shows from; a faded frame is scaled on its way there instead.
    const uint8_t alpha = ConstantAlpha();
    QImage* target = alpha == 255 ? m_surface->frameBuffer(m_rcWindow.size()) : nullptr;
    QRegion changed = m_compositor.update(m_drawing, m_rcWindow.size(), target);
    if (alpha != m_lastAlpha)
        changed = QRegion(QRect(QPoint(0, 0), m_rcWindow.size()));
    m_lastAlpha = alpha;
    if (FrameCountLog::enabled()) {
        int64_t pixels = 0;
        for (const QRect& rect : changed)
            pixels += int64_t(rect.width()) * rect.height();
        m_frameCount.count(typeid(*this).name(), pixels, changed.rectCount());
    }
    m_surface->present(m_compositor.image(), changed, alpha);
}

void DecorationWindow::StartDrag()
{
    if (m_surface)
        m_surface->startSystemMove();
}
