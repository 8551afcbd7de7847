#pragma once

#include "decorations/DecorationWindow.h"
#include "decorations/TurnablePicture.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

// The string of lights round the edges of the screen: one of eleven garlands,
// lit and unlit by one of five flash modes at the set speed. The garland only
// changes at a flash tick, and a bulb that keeps its state is drawn with the
// very same picture at the very same place, so only the bulbs that changed
// are repainted.
class CDlgLights : public DecorationWindow {
public:
    static constexpr int kImageCount = 84;

    // Reads the flash mode from the settings and seeds the random numbers.
    CDlgLights(COptions& options, const platform::Platform& services);
    ~CDlgLights() override;

    // Frees the pictures, then ends the window; the flash mode and phase stay.
    bool DestroyWindow() override;

    // Chooses the garland by its settings key, exactly and case-sensitively;
    // an unknown key keeps the garland shown now. The next frame shows it.
    void SetGarland(const QString& key);

    // The pictures of every garland, slots 0 to 83; empty while there is no
    // window and where a picture could not be loaded.
    std::array<std::unique_ptr<TurnablePicture>, kImageCount> m_images;
    // What joins the pieces where the layout leaves room between them: the
    // white string's wire and its corner bends, the globes' wire and the
    // snowflakes' string. Loaded and freed with the pictures.
    static constexpr int kJoinCount = 5;
    std::array<std::unique_ptr<TurnablePicture>, kJoinCount> m_joins;
    // The Lights page re-arms the flash timer with a new speed through this.
    using DecorationWindow::SetTimer;

    // The flash timer's id; the Lights page re-arms it with a new period.
    UINT_PTR m_nTimer = 1;
    // The garland type, 0 to 10.
    int m_nType = 0;
    // The flash mode, 0 to 4: steady on, together, chasing, sections, random.
    int m_nFlash = 0;
    // Where the flashing is; moved on by each flash tick.
    int m_nPhase = 0;

protected:
    bool OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void DrawFrame(FrameDrawing& graphics) override;
    // Only the strips along the edges that the garland covers, so the desktop
    // never blends the empty middle of the screen.
    std::optional<QRegion> VisibleArea() const override;

private:
    using Picker =
        std::function<TurnablePicture*(int nColour, int nBulb, bool bCorner, int nSection)>;
    using StraightRotator = std::function<void(int quarterTurns)>;
    using CornerRotator = std::function<void()>;

    void FreeImages();

    // The flash rule: whether bulb nBulb of section nSection is lit now. In
    // the random mode every call draws a fresh random number.
    bool IsLit(int nBulb, int nSection);
    TurnablePicture* Picture(int slot) const;
    TurnablePicture* LitOrUnlit(int unlitSlot, int nBulb, int nSection);

    // The painters, one per garland type.
    void DrawMulticolor(FrameDrawing& graphics);
    void DrawBlue(FrameDrawing& graphics);
    void DrawWhite(FrameDrawing& graphics);
    void DrawMulticolorStrawberry(FrameDrawing& graphics);
    void DrawBlueStrawberry(FrameDrawing& graphics);
    void DrawPine(FrameDrawing& graphics);
    void DrawChristmasPine(FrameDrawing& graphics);
    void DrawIcicle(FrameDrawing& graphics);
    void DrawBall(FrameDrawing& graphics);
    void DrawBacklight(FrameDrawing& graphics);
    void DrawSnowflake(FrameDrawing& graphics);
    // The packed string with corner bulbs that the multicolor, blue and
    // strawberry garlands share.
    void DrawCornerString(FrameDrawing& graphics, int nColours, const Picker& pick,
                          const StraightRotator& rotateBulbs, const CornerRotator& rotateCorners);

    // A join picture, stored as it runs along the bottom edge, turned by that
    // many quarter turns and stretched over the area; nothing when the area
    // is empty or the picture missing.
    void DrawJoin(FrameDrawing& graphics, int join, int quarterTurns, const QRect& area) const;

    // The pickers: the lit or the unlit picture of a bulb.
    TurnablePicture* GetMulticolorBulb(int nColour, int nBulb, bool bCorner, int nSection);
    TurnablePicture* GetStrawberryBulb(int nColour, int nBulb, bool bCorner, int nSection);
    TurnablePicture* GetWhiteBulb(int nColour, int nBulb, bool bCorner, int nSection);
    TurnablePicture* GetIcicle(int nVariant, int nBulb, int nSection);
    TurnablePicture* GetBacklightGlow(int nColour, int nBulb, int nUnused, int nSection);
    TurnablePicture* GetSnowflake(int nColour, int nBulb, int nUnused, int nSection);

    // The rotators: turn a set of pictures clockwise in place.
    void RotateSlots(int first, int last, int quarterTurns);
    void RotateMulticolorCorners();
    void RotateStrawberryCorners();
    void RotateBallCorners();
    void RotateMulticolorBulbs(int quarterTurns);
    void RotateStrawberryBulbs(int quarterTurns);
    void RotateBalls(int quarterTurns);
    void RotateBacklightGlows(int quarterTurns);
    void RotateSnowflakes(int quarterTurns);
};
