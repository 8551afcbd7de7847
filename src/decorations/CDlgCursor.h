#pragma once

#include "decorations/DecorationWindow.h"
#include "decorations/FairyDust.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The effect that follows the mouse pointer over the whole work area: fairy
// dust, a trail of spinning snowflakes, presents falling at each left-button
// press, a pendant (stocking, ball, bells, wreath) swinging under the pointer,
// a bow at the pointer, or a flower or wreath turning at it. One effect at a
// time, chosen by its key with SetCursorType.
class CDlgCursor final : public DecorationWindow {
public:
    using PARTICLE_FAIRY_DUST = FairyDust::Particle;

    // One flake of the cursor snow.
    struct SNOWFLAKE {
        const QImage* image = nullptr; // borrowed from m_snowImages
        float x = 0;                   // top-left corner
        float y = 0;
        float vx = 0; // pixels per frame
        float vy = 0;
        int32_t life = 0;  // frames left
        int32_t angle = 0; // degrees
    };

    // One falling present.
    struct PRESENT {
        const QImage* image = nullptr; // borrowed from m_presentImages
        float x = 0;                   // top-left corner
        float y = 0;
        float vx = 0; // pixels per frame
        float vy = 0;
        float grow = 0;    // pixels added to the starting size
        int32_t angle = 0; // degrees
    };

    // The effects, by their index in m_nType.
    enum Effect : int32_t {
        FAIRY_DUST = 0,
        SNOW = 1,
        STOCKING = 2,
        BALL = 3,
        BELLS = 4,
        BOW = 5,
        EUPHORBIA_PULCHERRIMA = 6,
        PRESENTS = 7,
        SPINNING_WREATH = 8,
        WREATH = 9,
    };
    static constexpr int kEffectCount = 10;

    CDlgCursor(COptions& options, const platform::Platform& services);
    ~CDlgCursor() override;

    // Frees the pictures and the snow and present records, then the window.
    bool DestroyWindow() override;

    // Switches to the effect with that key (exact, case-sensitive). An unknown
    // key, or the active one, restarts the active effect: its records go and
    // its pictures are loaded anew. Works with or without a window.
    void SetCursorType(const QString& name);

    UINT_PTR m_nTimer = 1;
    int32_t m_nType = FAIRY_DUST;
    // The pointer where the last trail piece was made or the last swing began.
    QPoint m_ptLast;
    std::vector<PARTICLE_FAIRY_DUST> m_particles;
    std::vector<SNOWFLAKE> m_snowflakes;
    std::vector<std::unique_ptr<QImage>> m_snowImages;
    std::vector<PRESENT> m_presents;
    std::vector<std::unique_ptr<QImage>> m_presentImages;
    std::unique_ptr<QImage> m_pImageStocking;
    std::unique_ptr<QImage> m_pImageBall;
    std::unique_ptr<QImage> m_pImageBells;
    std::unique_ptr<QImage> m_pImageWreath;
    std::unique_ptr<QImage> m_pImageBow;
    std::unique_ptr<QImage> m_pImageEuphorbia;
    std::unique_ptr<QImage> m_pImageSpinningWreath;
    float m_fSwingAngle = 0;
    float m_fSwingAmplitude = 0;
    bool m_bSwingForward = true;
    float m_fWreathAngle = 0;
    float m_fFlowerAngle = 0;
    // Set once a present was made for the press in progress.
    bool m_bButtonLatch = false;

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void DrawFrame(FrameDrawing& graphics) override;

private:
    void DrawFairyDust(FrameDrawing& graphics, int x, int y);
    void DrawSnow(FrameDrawing& graphics, int x, int y);
    void DrawPresents(FrameDrawing& graphics, int x, int y);
    void DrawPendant(FrameDrawing& graphics, int x, int y);
    void DrawSpinning(FrameDrawing& graphics, int x, int y);

    void ReleaseEffect(int32_t nType);
    void LoadEffect(int32_t nType);
    void FreeAllPictures();

    // The last frame drawn showed a trail effect with nothing of its trail
    // left: until the pointer moves, every frame would be that one again.
    bool m_bTrailGone = false;
};
