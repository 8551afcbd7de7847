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
