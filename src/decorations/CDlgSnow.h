#pragma once

#include "decorations/DecorationWindow.h"
#include "decorations/EncodedPictureCache.h"
#include "decorations/FLAKE.h"
#include "decorations/PileCatchLines.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// Snow falling over the whole desktop in one of six kinds, drifting, blown
// aside by gusts and, when accumulation is on, piling up along the bottom
// edge and on itself. The Snow page changes its kind, flake count, wind,
// speed and accumulation while it runs by writing the members below.
class CDlgSnow final : public DecorationWindow {
public:
    // The kinds, as m_nType holds them.
    enum SnowType { Fluffy = 0, Fine = 1, Thick = 2, Sparkling = 3, Fantasy = 4, Deep = 5 };

    CDlgSnow(COptions& options, const platform::Platform& services);
    ~CDlgSnow() override;

    bool DestroyWindow() override;

    // Sets the kind by its settings key (kSnowKindKeys) and loads its pictures; an unknown key
    // keeps the current kind. Works with or without a window.
    void SetSnowType(const QString& strType);

    // Frame period in milliseconds for a speed of 1..9: 144, 128, 112, 96, 20, 4, 3, 2, 1.
    static uint32_t SpeedPeriod(uint32_t nSpeed);
    // Falling flakes for a density of 1..9 (10 to 50, then 180 to 270), twice
    // as many for fine snow.
    static int MaxFlakes(uint32_t nDensity, int nType);

    // The Snow page re-arms the frame timer with a new speed.
    using DecorationWindow::SetTimer;

    std::vector<std::unique_ptr<QImage>> m_images;
    // Deep snow's pictures, which are too large to keep decoded all at once.
    EncodedPictureCache m_deepImages;
    std::vector<FLAKE> m_flakes;
    int m_nMaxFlakes = 0;
    UINT_PTR m_nTimer = 1;
    bool m_bGust = false;
    uint32_t m_nWind = 0;
    uint32_t m_nGustSeconds = 0;
    uint32_t m_nGustLength = 0;
    bool m_bGustRight = false;
    UINT_PTR m_nWindTimer = 2;
    int m_nType = Fluffy;
    bool m_bAccumulate = false;
    std::vector<FLAKE> m_pile;
    std::unique_ptr<QImage> m_pPileBitmap;
    float m_fDeepWidth = 0;
    float m_fDeepHeight = 0;
    float m_fDeepX = 0;
    float m_fDeepY = 0;
    int m_nDeepFrame = 0;

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void DrawFrame(FrameDrawing& graphics) override;

private:
    void DrawFlakes(FrameDrawing& graphics);
    void DrawPile(FrameDrawing& graphics);
    // The random choices for a flake entering the window, one rand() each.
    const QImage* RandomPicture() const;
    int RandomX(int width) const;
    int RandomSpeed() const;
    bool HasLanded(const FLAKE& flake, int height) const;
    bool HasPictures() const { return !m_images.empty() || !m_deepImages.isEmpty(); }
    void FreePictures();
    // Empties the flakes and the pile, with their storage.
    void FreeRecords();

    // The pile's landing lines for the frame being drawn.
    PileCatchLines m_pileCatch;
};
