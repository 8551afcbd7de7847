#pragma once

#include "decorations/DecorationWindow.h"

#include <QImage>

#include <cstdint>
#include <memory>

// Frost that creeps over the whole desktop while the user leaves the computer
// alone: after the set idle time it fades in, five steps of opacity every ten
// seconds, and it vanishes within half a second of any mouse or keyboard
// input. Always on top, and every click goes through it.
class CDlgFrost final : public DecorationWindow {
public:
    CDlgFrost(COptions& options, const platform::Platform& services);
    ~CDlgFrost() override;

    bool DestroyWindow() override;

    // The wait for that many minutes without input. A hand-edited number too
    // large to count in milliseconds waits as long as can be counted, rather
    // than wrapping round to a short wait.
    static uint32_t WaitTimeOfMinutes(uint64_t minutes);

    UINT_PTR m_nFadeTimer = 1;
    UINT_PTR m_nInputTimer = 2;
    // Milliseconds without input before the frost starts; start-up and the
    // Frost page set it from the minutes of the settings, and it outlives the
    // window.
    uint32_t m_dwWaitTime = 1000;
    bool m_bShown = false;
    // Opacity of the whole frost, 0..255 in steps of 5.
    uint8_t m_nAlpha = 0;
    std::unique_ptr<QImage> m_pImage;

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void DrawFrame(FrameDrawing& graphics) override;
    uint8_t ConstantAlpha() const override { return m_nAlpha; }
};
