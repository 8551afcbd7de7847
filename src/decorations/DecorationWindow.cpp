#include "decorations/DecorationWindow.h"

#include "core/COptions.h"
#include "core/WindowsVersion.h"

#include <typeinfo>

DecorationWindow::DecorationWindow(Template dialogTemplate, COptions& options,
                                   const platform::Platform& services, bool COptions::*onTopSetting)
    : m_options(options), m_services(services), m_template(dialogTemplate),
      m_onTopSetting(onTopSetting)
{
}

DecorationWindow::~DecorationWindow()
{
    DecorationWindow::DestroyWindow();
}

bool DecorationWindow::Create()
{
    if (m_surface)
        return true;
    platform::WindowSystem::OverlayOptions options;
    options.clickThrough = m_template == Template::Overlay;
    options.name = WindowName();
    m_surface = m_services.windows->createOverlay(options);
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
    m_services.scheduler->killAllTimers(this);
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

bool DecorationWindow::IsOnTopSetting() const
{
    return !m_onTopSetting || m_options.*m_onTopSetting;
}

bool DecorationWindow::IsWindowsVersionOrGreater(unsigned short major, unsigned short minor) const
{
    return ::IsWindowsVersionOrGreater(*m_services.system, major, minor);
}

void DecorationWindow::OnSetFocus()
{
    if (!IsOnTopSetting())
        SetOnDesktop();
}

void DecorationWindow::OnActivateApp(bool bActive)
{
    if (bActive && IsOnTopSetting())
        SetOnTop();
}

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
    if (!m_surface)
        return 0;
    return m_services.scheduler->setTimer(this, nIDEvent, nElapse,
                                          [this](UINT_PTR id) { OnTimer(id); });
}

bool DecorationWindow::KillTimer(UINT_PTR nIDEvent)
{
    return m_surface && m_services.scheduler->killTimer(this, nIDEvent);
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
    bool blank = false;
    QImage* target = alpha == 255 ? m_surface->frameBuffer(m_rcWindow.size(), blank) : nullptr;
    QRegion changed = m_compositor.update(m_drawing, m_rcWindow.size(), target, blank);
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
