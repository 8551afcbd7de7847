#include "decorations/CDlgFrost.h"

#include "core/ProgramResources.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "vocabulary/PictureIds.h"

#include <algorithm>

namespace {

constexpr uint32_t kFadePeriodMs = 10000;
constexpr uint32_t kInputPeriodMs = 500;
constexpr uint32_t kShortestIdleMs = 2 * kInputPeriodMs;
constexpr int kAlphaStep = 5;
// The 1920x1080 picture is used on screens taller than this.
constexpr int kSmallPictureMaxHeight = 768;

} // namespace

// Always on top: the frost has no "On Desktop".
CDlgFrost::CDlgFrost(COptions& options, const platform::Platform& services)
    : DecorationWindow(Template::Overlay, options, services, nullptr)
{
}

CDlgFrost::~CDlgFrost()
{
    CDlgFrost::DestroyWindow();
}

bool CDlgFrost::DestroyWindow()
{
    // The opacity and the shown state stay: a window made again goes on from them.
    m_pImage.reset();
    return DecorationWindow::DestroyWindow();
}

uint32_t CDlgFrost::WaitTimeOfMinutes(uint64_t minutes)
{
    return static_cast<uint32_t>(std::min<uint64_t>(minutes * 60000u, UINT32_MAX));
}

bool CDlgFrost::OnInitDialog()
{
    const QRect screen = m_services.desktop->virtualScreen();
    MoveWindow(QRect(screen.x(), screen.y(), screen.width(), screen.height() - 1));
    m_rcWindow = GetWindowRect();
    m_pImage = LoadPngResource(m_rcWindow.height() > kSmallPictureMaxHeight ? kLargeFrostPicture
                                                                            : kSmallFrostPicture);
    SetOnTop();
    m_nFadeTimer = SetTimer(m_nFadeTimer, kFadePeriodMs);
    m_nInputTimer = SetTimer(m_nInputTimer, kInputPeriodMs);
    return true;
}

void CDlgFrost::OnTimer(UINT_PTR nIDEvent)
{
    const uint32_t lastInput = m_services.desktop->lastInputTick();
    const bool screenSaver = m_services.desktop->screenSaverRunning();
    // Unsigned 32-bit difference, so the idle time stays right when the tick
    // count wraps after 49.7 days.
    const uint32_t idleMs = m_services.clock->tickCount() - lastInput;
    // However short the wait (0 minutes), input counts until two checks of
    // the input timer have had the chance to see it: otherwise the input that
    // came just before a tick would count as idle time, and nothing the user
    // did could clear the frost.
    const bool idle = idleMs > std::max(m_dwWaitTime, kShortestIdleMs) && !screenSaver;

    if (idle) {
        if (nIDEvent == m_nFadeTimer && (!m_bShown || m_nAlpha < 255)) {
            m_nAlpha = static_cast<uint8_t>(std::min(255, m_nAlpha + kAlphaStep));
            m_bShown = true;
            RedrawWindow();
        }
    } else if (m_bShown) {
        m_bShown = false;
        m_nAlpha = 0;
        RedrawWindow();
    }
}

void CDlgFrost::DrawFrame(FrameDrawing& graphics)
{
    if (m_bShown && m_pImage)
        graphics.drawImage(*m_pImage, QRectF(0, 0, m_rcWindow.width(), m_rcWindow.height()));
}
