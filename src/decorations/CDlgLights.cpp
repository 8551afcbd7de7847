#include "decorations/CDlgLights.h"

#include "core/COptions.h"
#include "core/ProgramResources.h"
#include "decorations/DrawingOutline.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/RuntimeLibrary.h"
#include "vocabulary/GarlandKeys.h"
#include "vocabulary/GarlandPictures.h"

#include <algorithm>

namespace {

// The picture of each slot, in slot order: straight then corner bulbs, each
// colour unlit then lit; the white bulb; straight then corner strawberries;
// the pine branch, its light, the decorated pine section and its lights; the
// icicle strings; straight then corner balls; the glows; the snowflakes.
constexpr std::array<unsigned, CDlgLights::kImageCount> kImageIds = [] {
    std::array<unsigned, CDlgLights::kImageCount> ids{};
    size_t next = 0;
    auto put = [&](unsigned id) { ids[next++] = id; };
    auto putColours = [&](const auto& colours) {
        for (const GarlandColourPictures& colour : colours) {
            put(colour.straightUnlit);
            put(colour.straightLit);
        }
        for (const GarlandColourPictures& colour : colours) {
            put(colour.cornerUnlit);
            put(colour.cornerLit);
        }
    };
    putColours(kBulbPictures);
    put(kWhiteBulbUnlitPicture);
    put(kWhiteBulbLitPicture);
    putColours(kStrawberryPictures);
    put(kPineBranchPicture);
    put(kPineLightUnlitPicture);
    put(kPineLightLitPicture);
    put(kPineSectionPicture);
    put(kPineSectionLightsUnlitPicture);
    put(kPineSectionLightsLitPicture);
    for (unsigned i = 0; i < 2 * kIcicleVariantCount; ++i)
        put(kFirstIciclePicture + i);
    putColours(kBallLightPictures);
    for (unsigned id : kBacklightPictures)
        put(id);
    for (unsigned id : kSnowflakeLightPictures)
        put(id);
    return ids;
}();

constexpr int kGarlandCount = 11;

constexpr std::array<unsigned, CDlgLights::kJoinCount> kJoinIds = {
    kWhiteWirePicture, kWhiteWireBendLeftPicture, kWhiteWireBendRightPicture, kBallWirePicture,
    kSnowflakeStringPicture};
enum Join { kWhiteWire, kWhiteBendLeft, kWhiteBendRight, kBallWire, kSnowflakeString };

// The shown part of the window is made of squares this big: a few strips
// along the edges rather than one box per bulb.
constexpr int kOutlineCell = 32;

// Slots the painters name directly.
constexpr int kWhiteBulb = 20;
constexpr int kPineBranch = 42;
constexpr int kPineLight = 43;
constexpr int kPineSection = 45;
constexpr int kPineSectionLights = 46;
constexpr int kIcicle = 48;
constexpr int kUnlitGlow = 78;
constexpr int kUnlitSnowflake = 83;

// The pictures' sizes as made; a painter measures with these only when a
// picture is missing, so the rest of the garland keeps its places.
constexpr int kBulbSize = 48;
constexpr int kWhiteBulbSize = 32;
constexpr int kPineTileSize = 48;
constexpr int kPineSectionWidth = 480;
constexpr int kIcicleWidth = 100;
constexpr int kBallSize = 96;
constexpr int kSnowflakeSize = 156;

// Pine branches overlap their neighbours and reach this far past the screen edges.
constexpr int kPineOverlap = 12;
// Neighbouring decorated pine sections overlap by this much.
constexpr int kPineSectionOverlap = 36;
// The decorated pine sections hang this far above the top edge.
constexpr int kPineSectionRise = 24;
// Neighbouring icicle strings overlap by this much.
constexpr int kIcicleOverlap = 20;
// The corner snowflakes reach this far past the screen edge.
constexpr int kSnowflakeReach = 44;

// Counts and leftovers never go below zero: on a window too small for a bulb
// the edge simply stays empty.
int Quotient(int numerator, int denominator)
{
    return numerator > 0 && denominator > 0 ? numerator / denominator : 0;
}

int Half(int value)
{
    return value > 0 ? value / 2 : 0;
}

int WidthOr(const TurnablePicture* picture, int fallback)
{
    return picture ? picture->width() : fallback;
}

int HeightOr(const TurnablePicture* picture, int fallback)
{
    return picture ? picture->height() : fallback;
}

// A missing picture leaves a gap in the garland; everything else stays put.
void Draw(FrameDrawing& graphics, const TurnablePicture* picture, int x, int y)
{
    if (picture)
        graphics.drawImage(picture->image(), x, y);
}

} // namespace

CDlgLights::CDlgLights(COptions& options, const platform::Platform& services)
    : DecorationWindow(Template::Overlay, options, services, &COptions::fGarlandTop)
{
    m_nFlash = options.iFlash;
    crt::srand(static_cast<uint32_t>(services.clock->unixTime()));
}

CDlgLights::~CDlgLights()
{
    FreeImages();
}

bool CDlgLights::DestroyWindow()
{
    FreeImages();
    return DecorationWindow::DestroyWindow();
}

void CDlgLights::SetGarland(const QString& key)
{
    static_assert(kGarlandKeys.size() == kGarlandCount);
    for (int type = kGarlandCount - 1; type >= 0; --type) {
        if (key == QLatin1String(kGarlandKeys[type])) {
            m_nType = type;
            return;
        }
    }
}

bool CDlgLights::OnInitDialog()
{
    const COptions& options = m_options;

    // The garland runs round the whole virtual screen and stops above a
    // taskbar at the bottom of the primary screen; one on another edge, or one
    // that hides itself, leaves the full height.
    platform::Desktop& desktop = *m_services.desktop;
    const QRect virtualScreen = desktop.virtualScreen();
    const QRect workArea = desktop.workArea();
    const int nTaskbar =
        std::max(desktop.primaryScreenSize().height() - (workArea.y() + workArea.height()), 0);
    const bool bAutoHide = desktop.taskbarAutoHide();
    int nHeight = virtualScreen.height() - nTaskbar;
    if (bAutoHide)
        nHeight = virtualScreen.height() - 1;
    else if (IsWindowsVersionOrGreater(6, 0) && !IsWindowsVersionOrGreater(6, 1))
        nHeight = virtualScreen.height() - nTaskbar - 1;
    MoveWindow(QRect(virtualScreen.x(), virtualScreen.y(), virtualScreen.width(), nHeight));
    m_rcWindow = GetWindowRect();

    for (int slot = 0; slot < kImageCount; ++slot) {
        std::unique_ptr<QImage> image = LoadPngResource(kImageIds[slot]);
        if (image && !image->isNull())
            m_images[slot] = std::make_unique<TurnablePicture>(*image);
    }
    for (size_t join = 0; join < kJoinIds.size(); ++join) {
        std::unique_ptr<QImage> image = LoadPngResource(kJoinIds[join]);
        if (image && !image->isNull())
            m_joins[join] = std::make_unique<TurnablePicture>(*image);
    }

    SetGarland(options.strGarland);

    if (options.fGarlandTop)
        SetOnTop();
    else
        SetOnDesktop();

    // 60 ms per step of the speed below 10: speed 1 flashes every 540 ms, 9
    // every 60 ms. A hand-edited speed outside 1 to 9 flashes at the nearest.
    const int nSpeed = std::clamp<int>(options.iFlashSpeed, 1, 9);
    m_nTimer = SetTimer(m_nTimer, static_cast<uint32_t>((10 - nSpeed) * 60));
    return true;
}

void CDlgLights::OnTimer(UINT_PTR nIDEvent)
{
    switch (m_nFlash) {
    case 1:
    case 2:
        m_nPhase = m_nPhase == 0 ? 1 : 0;
        break;
    case 3:
        ++m_nPhase;
        if (m_nPhase > 3)
            m_nPhase = 0;
        break;
    default:
        break;
    }
    DecorationWindow::OnTimer(nIDEvent);
}

void CDlgLights::DrawFrame(FrameDrawing& graphics)
{
    switch (m_nType) {
    case 0:
        DrawMulticolor(graphics);
        break;
    case 1:
        DrawBlue(graphics);
        break;
    case 2:
        DrawWhite(graphics);
        break;
    case 3:
        DrawMulticolorStrawberry(graphics);
        break;
    case 4:
        DrawBlueStrawberry(graphics);
        break;
    case 5:
        DrawPine(graphics);
        break;
    case 6:
        DrawChristmasPine(graphics);
        break;
    case 7:
        DrawIcicle(graphics);
        break;
    case 8:
        DrawBall(graphics);
        break;
    case 9:
        DrawBacklight(graphics);
        break;
    case 10:
        DrawSnowflake(graphics);
        break;
    default:
        break;
    }
}

std::optional<QRegion> CDlgLights::VisibleArea() const
{
    return DrawingOutline(lastDrawing(), m_rcWindow.size(), kOutlineCell);
}

void CDlgLights::FreeImages()
{
    for (std::unique_ptr<TurnablePicture>& image : m_images)
        image.reset();
    for (std::unique_ptr<TurnablePicture>& join : m_joins)
        join.reset();
}

void CDlgLights::DrawJoin(FrameDrawing& graphics, int join, int quarterTurns,
                          const QRect& area) const
{
    const TurnablePicture* picture = m_joins[static_cast<size_t>(join)].get();
    if (picture && area.width() > 0 && area.height() > 0)
        graphics.drawImage(picture->orientation(quarterTurns), QRectF(area));
}

bool CDlgLights::IsLit(int nBulb, int nSection)
{
    switch (m_nFlash) {
    case 0:
        return true;
    case 1:
        return m_nPhase != 0;
    case 2:
        return m_nPhase == 0 ? nBulb % 2 == 1 : nBulb % 2 == 0;
    case 3:
        return nSection == m_nPhase + 1;
    case 4:
        return crt::rand() % 2 == 1;
    default:
        return false;
    }
}

TurnablePicture* CDlgLights::Picture(int slot) const
{
    return slot >= 0 && slot < kImageCount ? m_images[slot].get() : nullptr;
}

TurnablePicture* CDlgLights::LitOrUnlit(int unlitSlot, int nBulb, int nSection)
{
    return Picture(IsLit(nBulb, nSection) ? unlitSlot + 1 : unlitSlot);
}

// ---- Pickers ----

TurnablePicture* CDlgLights::GetMulticolorBulb(int nColour, int nBulb, bool bCorner, int nSection)
{
    const int colour = std::clamp(nColour, 1, 5);
    return LitOrUnlit((bCorner ? 10 : 0) + 2 * (colour - 1), nBulb, nSection);
}

TurnablePicture* CDlgLights::GetStrawberryBulb(int nColour, int nBulb, bool bCorner, int nSection)
{
    const int colour = std::clamp(nColour, 1, 5);
    return LitOrUnlit((bCorner ? 32 : 22) + 2 * (colour - 1), nBulb, nSection);
}

TurnablePicture* CDlgLights::GetWhiteBulb(int, int nBulb, bool, int nSection)
{
    return LitOrUnlit(kWhiteBulb, nBulb, nSection);
}

TurnablePicture* CDlgLights::GetIcicle(int nVariant, int nBulb, int nSection)
{
    const int variant = std::clamp(nVariant, 1, 5);
    return LitOrUnlit(kIcicle + 2 * (variant - 1), nBulb, nSection);
}

TurnablePicture* CDlgLights::GetBacklightGlow(int nColour, int nBulb, int, int nSection)
{
    // Blue, green, yellow, red along the string.
    static constexpr std::array<int, 4> kLitSlots = {74, 75, 77, 76};
    const bool bLit = IsLit(nBulb, nSection);
    if (!bLit || nColour < 1 || nColour > 4 || !Picture(kLitSlots[nColour - 1]))
        return Picture(kUnlitGlow);
    return Picture(kLitSlots[nColour - 1]);
}

TurnablePicture* CDlgLights::GetSnowflake(int nColour, int nBulb, int, int nSection)
{
    // Blue, green, red, yellow along the string.
    static constexpr std::array<int, 4> kLitSlots = {79, 80, 81, 82};
    const bool bLit = IsLit(nBulb, nSection);
    if (!bLit || nColour < 1 || nColour > 4 || !Picture(kLitSlots[nColour - 1]))
        return Picture(kUnlitSnowflake);
    return Picture(kLitSlots[nColour - 1]);
}

// ---- Rotators ----

void CDlgLights::RotateSlots(int first, int last, int quarterTurns)
{
    for (int slot = first; slot <= last; ++slot)
        if (TurnablePicture* picture = Picture(slot))
            picture->RotateFlip(quarterTurns);
}

void CDlgLights::RotateMulticolorCorners()
{
    RotateSlots(10, 19, 1);
}

void CDlgLights::RotateStrawberryCorners()
{
    RotateSlots(32, 41, 1);
}

void CDlgLights::RotateBallCorners()
{
    RotateSlots(66, 73, 1);
}

void CDlgLights::RotateMulticolorBulbs(int quarterTurns)
{
    RotateSlots(0, 9, quarterTurns);
}

void CDlgLights::RotateStrawberryBulbs(int quarterTurns)
{
    RotateSlots(22, 31, quarterTurns);
}

void CDlgLights::RotateBalls(int quarterTurns)
{
    RotateSlots(58, 65, quarterTurns);
}

void CDlgLights::RotateBacklightGlows(int quarterTurns)
{
    // The transparent unlit glow looks the same every way up.
    RotateSlots(74, 77, quarterTurns);
}

void CDlgLights::RotateSnowflakes(int quarterTurns)
{
    RotateSlots(79, 83, quarterTurns);
}

// ---- Painters ----

void CDlgLights::DrawMulticolor(FrameDrawing& graphics)
{
    DrawCornerString(
        graphics, 5,
        [this](int nColour, int nBulb, bool bCorner, int nSection) {
            return GetMulticolorBulb(nColour, nBulb, bCorner, nSection);
        },
        [this](int quarterTurns) { RotateMulticolorBulbs(quarterTurns); },
        [this] { RotateMulticolorCorners(); });
}

void CDlgLights::DrawBlue(FrameDrawing& graphics)
{
    DrawCornerString(
        graphics, 1,
        [this](int, int nBulb, bool bCorner, int nSection) {
            return LitOrUnlit(bCorner ? 10 : 0, nBulb, nSection);
        },
        [this](int quarterTurns) { RotateSlots(0, 1, quarterTurns); },
        [this] { RotateSlots(10, 11, 1); });
}

void CDlgLights::DrawMulticolorStrawberry(FrameDrawing& graphics)
{
    DrawCornerString(
        graphics, 5,
        [this](int nColour, int nBulb, bool bCorner, int nSection) {
            return GetStrawberryBulb(nColour, nBulb, bCorner, nSection);
        },
        [this](int quarterTurns) { RotateStrawberryBulbs(quarterTurns); },
        [this] { RotateStrawberryCorners(); });
}

void CDlgLights::DrawBlueStrawberry(FrameDrawing& graphics)
{
    DrawCornerString(
        graphics, 1,
        [this](int, int nBulb, bool bCorner, int nSection) {
            return LitOrUnlit(bCorner ? 32 : 22, nBulb, nSection);
        },
        [this](int quarterTurns) { RotateSlots(22, 23, quarterTurns); },
        [this] { RotateSlots(32, 33, 1); });
}

// Bulbs packed edge to edge, clockwise from the top-left corner; the leftover
// of each edge is split between its two ends, each corner belongs to the edge
// that follows it, and every bulb faces the screen edge it sits on.
void CDlgLights::DrawCornerString(FrameDrawing& graphics, int nColours, const Picker& pick,
                                  const StraightRotator& rotateBulbs,
                                  const CornerRotator& rotateCorners)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    const TurnablePicture* b = pick(1, 1, false, 1);
    const int w = WidthOr(b, kBulbSize);
    const int h = HeightOr(b, kBulbSize);

    const int nV = Quotient(H - 2 * h, h);
    const int nH = Quotient(W - 2 * w, w);
    const int remV = H - 2 * h - h * nV;
    const int remH = W - 2 * w - w * nH;

    int nColour = 1;
    int nBulb = 1;
    auto next = [&] {
        nColour = nColour % nColours + 1;
        ++nBulb;
    };

    rotateCorners();
    TurnablePicture* bulb = pick(nColour, nBulb, true, 1);
    Draw(graphics, bulb, 0, 0);

    rotateBulbs(2);
    int x = w + Half(remH);
    for (int i = 0; i < nH; ++i) {
        next();
        bulb = pick(nColour, nBulb, false, 1);
        Draw(graphics, bulb, x, 0);
        x += WidthOr(bulb, w);
    }

    rotateCorners();
    next();
    bulb = pick(nColour, nBulb, true, 2);
    Draw(graphics, bulb, W - WidthOr(bulb, w), 0);

    rotateBulbs(1);
    int y = h + Half(remV);
    for (int i = 0; i < nV; ++i) {
        next();
        bulb = pick(nColour, nBulb, false, 2);
        Draw(graphics, bulb, W - WidthOr(bulb, w), y);
        y += HeightOr(bulb, h);
    }

    rotateCorners();
    next();
    bulb = pick(nColour, nBulb, true, 3);
    Draw(graphics, bulb, W - WidthOr(bulb, w), H - HeightOr(bulb, h));

    rotateBulbs(1);
    int d = 2 * w + Half(remH);
    for (int i = 0; i < nH; ++i) {
        next();
        bulb = pick(nColour, nBulb, false, 3);
        Draw(graphics, bulb, W - d, H - HeightOr(bulb, h));
        d += WidthOr(bulb, w);
    }

    rotateCorners();
    next();
    bulb = pick(nColour, nBulb, true, 4);
    Draw(graphics, bulb, 0, H - HeightOr(bulb, h));

    rotateBulbs(1);
    d = 2 * h + Half(remV);
    for (int i = 0; i < nV; ++i) {
        next();
        bulb = pick(nColour, nBulb, false, 4);
        Draw(graphics, bulb, 0, H - d);
        d += HeightOr(bulb, h);
    }

    rotateBulbs(3);
}

// Small white bulbs all round, no corner pieces: the top row spans the whole
// width and the side columns fit between the top and bottom rows.
void CDlgLights::DrawWhite(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    const TurnablePicture* b = GetWhiteBulb(1, 1, false, 1);
    const int w = WidthOr(b, kWhiteBulbSize);
    const int h = HeightOr(b, kWhiteBulbSize);

    const int nH = Quotient(W, w);
    const int remH = W - w * nH;
    const int nV = Quotient(H - 2 * h, h);
    const int remV = H - 2 * h - h * nV;

    int nBulb = 0;
    TurnablePicture* bulb = nullptr;

    // The rows run into the corners and the columns stop short of them: the
    // wire bends from each column into the row over the corner bulb's
    // square, and a stretch of wire fills what the columns leave over.
    const int nRightEnd = h + Half(remV) + h * nV;
    const int nLeftTop = H - h - Half(remV) - h * nV;
    DrawJoin(graphics, kWhiteBendRight, 2, QRect(0, 0, w, h));
    DrawJoin(graphics, kWhiteBendLeft, 2, QRect(W - w, 0, w, h));
    DrawJoin(graphics, kWhiteBendRight, 0, QRect(W - w, H - h, w, h));
    DrawJoin(graphics, kWhiteBendLeft, 0, QRect(0, H - h, w, h));
    DrawJoin(graphics, kWhiteWire, 3, QRect(W - w, h, w, Half(remV)));
    DrawJoin(graphics, kWhiteWire, 3, QRect(W - w, nRightEnd, w, H - h - nRightEnd));
    DrawJoin(graphics, kWhiteWire, 1, QRect(0, H - h - Half(remV), w, Half(remV)));
    DrawJoin(graphics, kWhiteWire, 1, QRect(0, h, w, nLeftTop - h));

    RotateSlots(20, 21, 2);
    int x = Half(remH);
    for (int i = 0; i < nH; ++i) {
        bulb = GetWhiteBulb(1, ++nBulb, false, 1);
        Draw(graphics, bulb, x, 0);
        x += WidthOr(bulb, w);
    }

    RotateSlots(20, 21, 1);
    int y = h + Half(remV);
    for (int i = 0; i < nV; ++i) {
        bulb = GetWhiteBulb(1, ++nBulb, false, 2);
        Draw(graphics, bulb, W - w, y);
        y += HeightOr(bulb, h);
    }

    RotateSlots(20, 21, 1);
    int d = w + Half(remH);
    for (int i = 0; i < nH; ++i) {
        bulb = GetWhiteBulb(1, ++nBulb, false, 3);
        Draw(graphics, bulb, W - d, H - h);
        d += WidthOr(bulb, w);
    }

    RotateSlots(20, 21, 1);
    d = 2 * h + Half(remV);
    for (int i = 0; i < nV; ++i) {
        bulb = GetWhiteBulb(1, ++nBulb, false, 4);
        Draw(graphics, bulb, 0, H - d);
        d += HeightOr(bulb, h);
    }

    RotateSlots(20, 21, 3);
}

// Pine branches tiled round the screen, overlapping and reaching past its
// edges, with small white lights on them.
void CDlgLights::DrawPine(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    TurnablePicture* branch = Picture(kPineBranch);
    int w = WidthOr(branch, kPineTileSize);
    int h = HeightOr(branch, kPineTileSize);

    int nV = Quotient(H, h);
    int nH = Quotient(W, w);
    const int cV = nV + 2 + ((nV + 1) * kPineOverlap) / 36;
    const int cH = nH + 2 + ((nH + 1) * kPineOverlap) / 36;

    RotateSlots(kPineBranch, kPineBranch, 1);
    for (int i = 0, x = -kPineOverlap; i < cH; ++i, x += w - kPineOverlap)
        Draw(graphics, branch, x, -kPineOverlap);

    RotateSlots(kPineBranch, kPineBranch, 1);
    for (int i = 0, y = -kPineOverlap; i < cV; ++i, y += h - kPineOverlap)
        Draw(graphics, branch, W - w + kPineOverlap, y);

    RotateSlots(kPineBranch, kPineBranch, 1);
    for (int i = 0, x = -kPineOverlap; i < cH; ++i, x += w - kPineOverlap)
        Draw(graphics, branch, x, H - h + kPineOverlap);

    RotateSlots(kPineBranch, kPineBranch, 1);
    for (int i = 0, d = -kPineOverlap; i < cV; ++i, d += h - kPineOverlap)
        Draw(graphics, branch, -kPineOverlap, H - d);

    const TurnablePicture* b = LitOrUnlit(kPineLight, 1, 1);
    w = WidthOr(b, kPineTileSize);
    h = HeightOr(b, kPineTileSize);
    nH = Quotient(W, w);
    const int remH = W - w * nH;
    nV = Quotient(H, h);
    const int remV = H - h * nV;
    int nBulb = 0;

    RotateSlots(kPineLight, kPineLight + 1, 1);
    for (int i = 0, x = Half(remH); i < nH; ++i, x += w)
        Draw(graphics, LitOrUnlit(kPineLight, ++nBulb, 1), x, -kPineOverlap);

    RotateSlots(kPineLight, kPineLight + 1, 1);
    for (int i = 0, y = Half(remV); i < nV; ++i, y += h)
        Draw(graphics, LitOrUnlit(kPineLight, ++nBulb, 2), W - w + kPineOverlap, y);

    RotateSlots(kPineLight, kPineLight + 1, 1);
    for (int i = 0, d = w + Half(remH); i < nH; ++i, d += w)
        Draw(graphics, LitOrUnlit(kPineLight, ++nBulb, 3), W - d, H - h + kPineOverlap);

    RotateSlots(kPineLight, kPineLight + 1, 1);
    for (int i = 0, d = h + Half(remV); i < nV; ++i, d += h)
        Draw(graphics, LitOrUnlit(kPineLight, ++nBulb, 4), -kPineOverlap, H - d);
}

// Decorated pine sections with their own lights along the top; plain pine
// branches with small lights down the sides and along the bottom.
void CDlgLights::DrawChristmasPine(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    TurnablePicture* branch = Picture(kPineBranch);
    int w = WidthOr(branch, kPineTileSize);
    int h = HeightOr(branch, kPineTileSize);

    const int nV = Quotient(H, h);
    const int nH = Quotient(W, w);
    const int cV = nV + 2 + ((nV + 1) * kPineOverlap) / 36;
    const int cH = nH + 2 + ((nH + 1) * kPineOverlap) / 36;
    // Sections needed to span the width, the last one partly beyond it.
    auto sectionCount = [W](int nStep) {
        return Quotient(W, nStep) + (nStep > 0 && W % nStep != 0 ? 1 : 0);
    };
    const int nSectionStep =
        WidthOr(Picture(kPineSection), kPineSectionWidth) - kPineSectionOverlap;
    const int nG = sectionCount(nSectionStep);

    RotateSlots(kPineBranch, kPineBranch, 3);
    for (int i = 0, x = -kPineOverlap; i < cH; ++i, x += w - kPineOverlap)
        Draw(graphics, branch, x, H - h + kPineOverlap);
    RotateSlots(kPineBranch, kPineBranch, 1);

    // The row of sections is centred on the screen.
    for (int i = 0, x = -((nSectionStep * nG - W) / 2); i < nG; ++i, x += nSectionStep)
        Draw(graphics, Picture(kPineSection), x, -kPineSectionRise);

    int nBulb = 0;
    const int nLightsStep =
        WidthOr(Picture(kPineSectionLights), kPineSectionWidth) - kPineSectionOverlap;
    const int nLightsCount = sectionCount(nLightsStep);
    for (int i = 0, x = -((nLightsStep * nLightsCount - W) / 2); i < nLightsCount;
         ++i, x += nLightsStep)
        Draw(graphics, LitOrUnlit(kPineSectionLights, ++nBulb, 1), x, -kPineSectionRise);

    // The side branches come up over the ends of the top row, so a bow, a
    // chain or a light that the row's centring puts at a corner tucks in
    // under them rather than being cut by the screen's edge.
    for (int i = 0, y = -kPineOverlap; i < cV; ++i, y += h - kPineOverlap) {
        Draw(graphics, branch, -kPineOverlap, y);
        Draw(graphics, branch, W - w + kPineOverlap, y);
    }

    const TurnablePicture* light = Picture(kPineLight);
    w = WidthOr(light, kPineTileSize);
    h = HeightOr(light, kPineTileSize);
    const int nLV = Quotient(H, h) + 1;
    const int nLH = Quotient(W, w);
    const int remH = W - w * nLH;

    for (int i = 0, y = 0; i < nLV; ++i, y += h)
        Draw(graphics, LitOrUnlit(kPineLight, ++nBulb, 2), W - w + kPineOverlap, y);

    RotateSlots(kPineLight, kPineLight + 1, 3);
    for (int i = 0, d = w + Half(remH); i < nLH; ++i, d += w)
        Draw(graphics, LitOrUnlit(kPineLight, ++nBulb, 3), W - d, H - h + kPineOverlap);

    RotateSlots(kPineLight, kPineLight + 1, 1);
    for (int i = 0, d = h; i < nLV; ++i, d += h)
        Draw(graphics, LitOrUnlit(kPineLight, ++nBulb, 4), -kPineOverlap, H - d);
}

// Strings of icicle lights hanging from the top edge only, overlapping and
// centred; the four sections are the quarters of the row.
void CDlgLights::DrawIcicle(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const TurnablePicture* b = GetIcicle(1, 1, 1);
    const int w = WidthOr(b, kIcicleWidth);
    const int nStep = w - kIcicleOverlap;

    const int m = Quotient(W, w);
    const int c = m + Quotient(m * kIcicleOverlap, nStep);
    int x = Half(W - nStep * c) - kIcicleOverlap;
    for (int i = 1; i <= c; ++i) {
        const int nVariant = (i - 1) % 5 + 1;
        int nSection = 4;
        if (i <= c / 4)
            nSection = 1;
        else if (i <= c / 2)
            nSection = 2;
        else if (i <= 3 * (c / 4))
            nSection = 3;
        const TurnablePicture* icicle = GetIcicle(nVariant, i, nSection);
        Draw(graphics, icicle, x, 0);
        x += WidthOr(icicle, w) - kIcicleOverlap;
    }
}

// Big balls in four colours, spread along each edge with even gaps; each
// corner ball lights with the side edge beside it.
void CDlgLights::DrawBall(FrameDrawing& graphics)
{
    // Blue, green, yellow, red along the string; unlit first, lit next.
    static constexpr std::array<int, 4> kStraight = {58, 60, 64, 62};
    static constexpr std::array<int, 4> kCorner = {66, 68, 72, 70};
    auto pick = [this](int nColour, int nBulb, bool bCorner, int nSection) {
        return LitOrUnlit((bCorner ? kCorner : kStraight)[nColour - 1], nBulb, nSection);
    };

    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    const TurnablePicture* b = pick(1, 1, false, 1);
    const int w = WidthOr(b, kBallSize);
    const int h = HeightOr(b, kBallSize);

    const int nV = Quotient(H - 2 * h, h);
    const int nH = Quotient(W - 2 * w, w);
    const int gapV = Quotient(H - 2 * h - h * nV, nV + 1);
    const int gapH = Quotient(W - 2 * w - w * nH, nH + 1);

    int nColour = 1;
    int nBulb = 1;
    auto next = [&] {
        nColour = nColour % 4 + 1;
        ++nBulb;
    };

    // The globes' wire runs on across the gaps between them, corners included.
    const int nRowEnd = w + nH * (w + gapH);
    const int nColumnEnd = h + nV * (h + gapV);
    for (int i = 0; i <= nH; ++i) {
        const int x = w + i * (w + gapH);
        const int gap = i < nH ? gapH : W - w - nRowEnd;
        DrawJoin(graphics, kBallWire, 2, QRect(x, 0, gap, h));
        DrawJoin(graphics, kBallWire, 0, QRect(W - x - gap, H - h, gap, h));
    }
    for (int i = 0; i <= nV; ++i) {
        const int y = h + i * (h + gapV);
        const int gap = i < nV ? gapV : H - h - nColumnEnd;
        DrawJoin(graphics, kBallWire, 3, QRect(W - w, y, w, gap));
        DrawJoin(graphics, kBallWire, 1, QRect(0, H - y - gap, w, gap));
    }

    RotateBallCorners();
    TurnablePicture* ball = pick(nColour, nBulb, true, 4);
    Draw(graphics, ball, 0, 0);

    RotateBalls(2);
    for (int i = 0, x = w + gapH; i < nH; ++i, x += w + gapH) {
        next();
        Draw(graphics, pick(nColour, nBulb, false, 1), x, 0);
    }

    RotateBallCorners();
    next();
    ball = pick(nColour, nBulb, true, 2);
    Draw(graphics, ball, W - WidthOr(ball, w), 0);

    RotateBalls(1);
    for (int i = 0, y = h + gapV; i < nV; ++i, y += h + gapV) {
        next();
        Draw(graphics, pick(nColour, nBulb, false, 2), W - w, y);
    }

    RotateBallCorners();
    next();
    ball = pick(nColour, nBulb, true, 2);
    Draw(graphics, ball, W - WidthOr(ball, w), H - HeightOr(ball, h));

    RotateBalls(1);
    for (int i = 0, d = 2 * w + gapH; i < nH; ++i, d += w + gapH) {
        next();
        Draw(graphics, pick(nColour, nBulb, false, 3), W - d, H - h);
    }

    RotateBallCorners();
    next();
    ball = pick(nColour, nBulb, true, 4);
    Draw(graphics, ball, 0, H - HeightOr(ball, h));

    RotateBalls(1);
    for (int i = 0, d = 2 * h + gapV; i < nV; ++i, d += h + gapV) {
        next();
        Draw(graphics, pick(nColour, nBulb, false, 4), 0, H - d);
    }

    RotateBalls(3);
}

// Coloured glows shining in from the screen edges, spread with even gaps;
// the corner glows sit half outside the screen. An unlit glow shows nothing.
void CDlgLights::DrawBacklight(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    const TurnablePicture* b = GetBacklightGlow(1, 1, 0, 1);
    const int w = WidthOr(b, kBallSize);
    const int h = HeightOr(b, kBallSize);

    const int nV = Quotient(H - h, h);
    const int nH = Quotient(W - w, w);
    const int gapV = Quotient(H - h * nV - h, nV + 1);
    const int gapH = Quotient(W - w * nH - w, nH + 1);

    int nColour = 1;
    int nBulb = 1;
    auto next = [&] {
        nColour = nColour % 4 + 1;
        ++nBulb;
    };

    RotateBacklightGlows(2);
    Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 4), -w / 2, 0);
    for (int i = 0, x = w / 2 + gapH; i < nH; ++i, x += w + gapH) {
        next();
        Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 1), x, 0);
    }
    next();
    Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 2), W - w / 2, 0);

    RotateBacklightGlows(1);
    for (int i = 0, y = h / 2 + gapV; i < nV; ++i, y += h + gapV) {
        next();
        Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 2), W - w, y);
    }
    next();
    Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 2), W - w, H - h / 2);

    RotateBacklightGlows(1);
    for (int i = 0, d = w / 2 + w + gapH; i < nH; ++i, d += w + gapH) {
        next();
        Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 3), W - d, H - h);
    }
    next();
    Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 4), -w / 2, H - h);

    RotateBacklightGlows(1);
    for (int i = 0, d = h / 2 + h + gapV; i < nV; ++i, d += h + gapV) {
        next();
        Draw(graphics, GetBacklightGlow(nColour, nBulb, 0, 4), 0, H - d);
    }

    RotateBacklightGlows(3);
}

// Big snowflake lights spread with even gaps; the corner snowflakes reach
// past the screen edge, and the top-left one, drawn last, lies on top.
void CDlgLights::DrawSnowflake(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    const TurnablePicture* b = GetSnowflake(1, 1, 0, 1);
    const int w = WidthOr(b, kSnowflakeSize);
    const int h = HeightOr(b, kSnowflakeSize);
    const int r = kSnowflakeReach;

    const int nV = Quotient(H + 2 * (r - h), h);
    const int nH = Quotient(W + 2 * (r - w), w);
    const int gapV = Quotient(H + 2 * (r - h) - h * nV, nV + 1);
    const int gapH = Quotient(W + 2 * (r - w) - w * nH, nH + 1);

    int nColour = 0;
    int nBulb = 0;
    auto next = [&] {
        nColour = nColour % 4 + 1;
        ++nBulb;
    };

    // The lights hang from a string along the screen's edges, which runs on
    // across the gaps between them and out through the corners.
    for (int i = 0; i <= nH; ++i) {
        const int x = i == 0 ? 0 : w - r + i * (w + gapH);
        const int end = i < nH ? w - r + gapH + i * (w + gapH) : W;
        DrawJoin(graphics, kSnowflakeString, 2, QRect(x, 0, end - x, h));
        DrawJoin(graphics, kSnowflakeString, 0, QRect(W - end, H - h, end - x, h));
    }
    for (int i = 0; i <= nV; ++i) {
        const int y = h - r + i * (h + gapV);
        const int end = i < nV ? h - r + gapV + i * (h + gapV) : H - h + r;
        DrawJoin(graphics, kSnowflakeString, 3, QRect(W - w, y, w, end - y));
        DrawJoin(graphics, kSnowflakeString, 1, QRect(0, H - end, w, end - y));
    }

    RotateSnowflakes(2);
    for (int i = 0, x = gapH + w - r; i < nH; ++i, x += w + gapH) {
        next();
        Draw(graphics, GetSnowflake(nColour, nBulb, 0, 1), x, 0);
    }

    RotateSnowflakes(1);
    next();
    Draw(graphics, GetSnowflake(nColour, nBulb, 0, 2), W - w, -r);
    for (int i = 0, y = h + gapV - r; i < nV; ++i, y += h + gapV) {
        next();
        Draw(graphics, GetSnowflake(nColour, nBulb, 0, 2), W - w, y);
    }
    next();
    Draw(graphics, GetSnowflake(nColour, nBulb, 0, 2), W - w, H - h + r);

    RotateSnowflakes(1);
    for (int i = 0, d = gapH + 2 * w - r; i < nH; ++i, d += w + gapH) {
        next();
        Draw(graphics, GetSnowflake(nColour, nBulb, 0, 3), W - d, H - h);
    }

    RotateSnowflakes(1);
    next();
    Draw(graphics, GetSnowflake(nColour, nBulb, 0, 4), 0, H - h + r);
    for (int i = 0, d = gapV + 2 * h - r; i < nV; ++i, d += h + gapV) {
        next();
        Draw(graphics, GetSnowflake(nColour, nBulb, 0, 4), 0, H - d);
    }
    next();
    Draw(graphics, GetSnowflake(nColour, nBulb, 0, 4), 0, -r);

    RotateSnowflakes(3);
}
