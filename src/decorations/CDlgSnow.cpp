#include "decorations/CDlgSnow.h"

#include "core/COptions.h"
#include "core/ProgramResources.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/RuntimeLibrary.h"
#include "vocabulary/PictureIds.h"
#include "vocabulary/SnowKinds.h"
#include "vocabulary/SnowPictures.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <span>

namespace {

// The pictures of each kind, in the order they are picked from. Fine snow
// has its 2x2 and 3x3 flakes twice, so they come up twice as often.
constexpr std::span<const unsigned> kFluffyPictures = kFluffySnowPictures;
constexpr std::array<unsigned, 5> kFinePictures = {kFineSnowPictures[0], kFineSnowPictures[1],
                                                   kFineSnowPictures[1], kFineSnowPictures[2],
                                                   kFineSnowPictures[2]};
constexpr std::span<const unsigned> kThickPictures = kThickSnowPictures;
constexpr std::span<const unsigned> kSparklingPictures = kSparklingSnowPictures;
constexpr std::array<unsigned, 9> kFantasyPictures = {
    kFernDendritePicture,  kStellarPlatePicture, kRingedNeedlesPicture,
    kBroadBranchesPicture, kStarPlatePicture,    kSectoredPlatePicture,
    kDiamondTipsPicture,   kTwelveRaysPicture,   kGlowingStarPicture};

// Deep snow's pictures are 1366x768; they are stretched to cover the screen.
constexpr float kDeepWidth = 1366.0f;
constexpr float kDeepHeight = 768.0f;

// A flake chooses its drift anew every 15 frames, to the left about six times in ten.
constexpr int kDriftFrames = 15;
constexpr int kDriftLeftBelow = 6 * crt::kRandMax;
// A gust blows every flake this far per frame.
constexpr int kGustStep = 10;
// Fantasy flakes turn this many degrees per frame.
constexpr uint32_t kFantasyTurn = 5;

// Wind, speed and density run from 1 to 9 in the Snow page. A settings file
// edited by hand can hold anything; the number it wrote (read as a signed
// number) is taken to the nearest end of that range, so wind 0 cannot divide
// by zero, speed 10 cannot ask for a period of zero or less and a huge density
// cannot ask for millions of flakes. The setting itself keeps its value.
uint32_t NearestValid(uint32_t value)
{
    return static_cast<uint32_t>(std::clamp(static_cast<int32_t>(value), 1, 9));
}

int PictureHeight(const QImage* image)
{
    return image ? image->height() : 0;
}

int PictureWidth(const QImage* image)
{
    return image ? image->width() : 0;
}

} // namespace

CDlgSnow::CDlgSnow(COptions& options, const platform::Platform& services)
    : DecorationWindow(Template::Overlay, options, services, &COptions::fSnowTop)
{
    const QRect virtualScreen = services.desktop->virtualScreen();
    const float cx = static_cast<float>(virtualScreen.width());
    const float cy = static_cast<float>(virtualScreen.height());
    // The pictures cover the whole virtual screen, centred, cut at two opposite edges.
    if (cy > 0 && cx / cy >= kDeepWidth / kDeepHeight) {
        m_fDeepWidth = cx;
        m_fDeepHeight = cx / kDeepWidth * kDeepHeight;
        m_fDeepX = 0;
        m_fDeepY = -(m_fDeepHeight - cy) * 0.5f;
    } else {
        m_fDeepHeight = cy;
        m_fDeepWidth = cy / kDeepHeight * kDeepWidth;
        m_fDeepY = 0;
        m_fDeepX = -(m_fDeepWidth - cx) * 0.5f;
    }
    crt::srand(static_cast<uint32_t>(services.clock->unixTime()));
}

CDlgSnow::~CDlgSnow()
{
    CDlgSnow::DestroyWindow();
}

void CDlgSnow::FreeRecords()
{
    m_flakes.clear();
    m_flakes.shrink_to_fit();
    m_pile.clear();
    m_pile.shrink_to_fit();
    m_pPileBitmap.reset();
}

bool CDlgSnow::DestroyWindow()
{
    FreePictures();
    FreeRecords();
    return DecorationWindow::DestroyWindow();
}

void CDlgSnow::FreePictures()
{
    m_images.clear();
    m_images.shrink_to_fit();
    m_deepImages.clear();
}

uint32_t CDlgSnow::SpeedPeriod(uint32_t nSpeed)
{
    const uint32_t s = NearestValid(nSpeed);
    uint32_t p = (10 - s) * 4;
    if (s > 5)
        p = p / 4;
    else if (s < 5)
        p = p * 4;
    return p;
}

int CDlgSnow::MaxFlakes(uint32_t nDensity, int nType)
{
    const int d = static_cast<int>(NearestValid(nDensity));
    int flakes = d <= 5 ? 10 * d : 30 * d;
    if (nType == Fine)
        flakes *= 2;
    return flakes;
}

bool CDlgSnow::OnInitDialog()
{
    const COptions& options = m_options;
    platform::Desktop& desktop = *m_services.desktop;
    const QRect virtualScreen = desktop.virtualScreen();
    const QRect workArea = desktop.workArea();
    const int screenHeight = desktop.primaryScreenSize().height();
    const bool bAutoHide = desktop.taskbarAutoHide();

    const int cy = virtualScreen.height();
    const int tb = std::max(screenHeight - (workArea.y() + workArea.height()), 0);
    // Each Windows version left the snow a different gap above the taskbar.
    int h;
    if (bAutoHide)
        h = cy - 1;
    else if (IsWindowsVersionOrGreater(6, 1) && !IsWindowsVersionOrGreater(10, 0))
        h = cy - 1;
    else if (IsWindowsVersionOrGreater(6, 0) && !IsWindowsVersionOrGreater(6, 1))
        h = cy - tb - 1;
    else
        h = cy - tb;

    MoveWindow(QRect(virtualScreen.x(), virtualScreen.y(), virtualScreen.width(), h));
    m_rcWindow = GetWindowRect();
    if (options.fSnowTop)
        SetOnTop();
    else
        SetOnDesktop();

    SetSnowType(options.strSnowType);
    m_nMaxFlakes = MaxFlakes(options.uSnowDensity, m_nType);
    m_bAccumulate = options.fSnowAcumulate;
    if (!m_bAccumulate) {
        m_pile.clear();
        m_pile.shrink_to_fit();
        m_pPileBitmap.reset();
    }
    m_nTimer = SetTimer(m_nTimer, SpeedPeriod(options.uSnowSpeed));
    m_nWind = NearestValid(options.uSnowWind);
    if (m_nWind == 9) {
        // The strongest wind blows one way for as long as it is set.
        m_bGust = true;
        m_bGustRight = crt::rand() % 2 != 0;
    } else {
        m_bGust = false;
        m_nGustSeconds = 0;
    }
    m_nWindTimer = SetTimer(m_nWindTimer, 1000);
    return true;
}

void CDlgSnow::SetSnowType(const QString& strType)
{
    if (strType == QLatin1String(kSnowDeep))
        m_nType = Deep;
    else if (strType == QLatin1String(kSnowFantasy))
        m_nType = Fantasy;
    else if (strType == QLatin1String(kSnowSparkling))
        m_nType = Sparkling;
    else if (strType == QLatin1String(kSnowThick))
        m_nType = Thick;
    else if (strType == QLatin1String(kSnowFine))
        m_nType = Fine;
    else if (strType == QLatin1String(kSnowFluffy))
        m_nType = Fluffy;

    bool bTimerKilled = false;
    if (HasPictures()) {
        // The frame timer stops while the pictures change, so no frame sees half a kind.
        bTimerKilled = KillTimer(m_nTimer);
        FreePictures();
        FreeRecords();
    }

    if (m_nType == Deep) {
        for (unsigned id = kFirstDeepPicture; id < kFirstDeepPicture + kDeepPictureCount; ++id)
            m_deepImages.append(LoadPngResourceBytes(id));
    } else {
        std::span<const unsigned> ids = kFluffyPictures;
        switch (m_nType) {
        case Fine:
            ids = kFinePictures;
            break;
        case Thick:
            ids = kThickPictures;
            break;
        case Sparkling:
            ids = kSparklingPictures;
            break;
        case Fantasy:
            ids = kFantasyPictures;
            break;
        default:
            break;
        }
        for (unsigned id : ids)
            m_images.push_back(LoadPngResource(id));
    }

    if (bTimerKilled)
        m_nTimer = SetTimer(m_nTimer, SpeedPeriod(m_options.uSnowSpeed));
}

void CDlgSnow::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nWindTimer) {
        RedrawWindow();
        return;
    }
    const uint32_t wind = NearestValid(m_nWind);
    // Wind 1 never gusts; wind 9 keeps the gust it started when it was set.
    if (wind == 1 || wind == 9)
        return;
    if (m_bGust) {
        if (m_nGustSeconds >= m_nGustLength) {
            m_bGust = false;
            m_nGustSeconds = 1;
        } else {
            m_nGustSeconds += 1;
        }
        return;
    }
    // The stronger the wind, the shorter the calm before a gust may start.
    if (m_nGustSeconds >= 120 - 12 * wind && crt::rand() % 2 != 0) {
        m_bGust = true;
        m_nGustSeconds = 0;
        m_nGustLength = static_cast<uint32_t>(crt::rand()) % (12 * wind);
        m_bGustRight = crt::rand() % 2 != 0;
    }
    m_nGustSeconds += 1;
}

void CDlgSnow::DrawFrame(FrameDrawing& graphics)
{
    if (m_nType != Deep) {
        DrawFlakes(graphics);
        return;
    }
    const int count = m_deepImages.count();
    if (count == 0)
        return;
    if (m_nDeepFrame < 0 || m_nDeepFrame >= count)
        m_nDeepFrame = 0;
    graphics.drawImage(m_deepImages.picture(m_nDeepFrame),
                       QRectF(m_fDeepX, m_fDeepY, m_fDeepWidth, m_fDeepHeight));
    // One picture per frame tick, so the loop plays at the speed's period.
    m_nDeepFrame += 1;
    if (m_nDeepFrame >= count)
        m_nDeepFrame = 0;
}

const QImage* CDlgSnow::RandomPicture() const
{
    return m_images[static_cast<size_t>(crt::rand()) % m_images.size()].get();
}

int CDlgSnow::RandomX(int width) const
{
    // During a gust flakes enter from the side the wind comes from.
    if (!m_bGust)
        return crt::rand() % width;
    if (m_bGustRight)
        return crt::rand() % (2 * width) - width;
    return crt::rand() % (2 * width);
}

int CDlgSnow::RandomSpeed() const
{
    return m_nType == Fine ? 2 + crt::rand() % 15 : 2 + crt::rand() % 5;
}

bool CDlgSnow::HasLanded(const FLAKE& flake, int height) const
{
    if (!m_bAccumulate)
        return flake.y > height;
    // On a pile record within one pixel of the flake's column, or else at the bottom edge.
    const int middle = flake.y + PictureHeight(flake.image) / 2;
    return m_pileCatch.catches(flake.x, middle) || middle >= height;
}

void CDlgSnow::DrawFlakes(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    if (W <= 0 || H <= 0)
        return;
    // The pile lies under the falling flakes.
    if (m_bAccumulate) {
        DrawPile(graphics);
        m_pileCatch.rebuild(m_pile);
    }
    if (m_images.empty())
        return;

    // Raising the flake count adds all the new flakes at once, above the window.
    while (static_cast<int>(m_flakes.size()) < m_nMaxFlakes) {
        FLAKE flake;
        flake.image = RandomPicture();
        flake.x = RandomX(W);
        flake.y = -(crt::rand() % H);
        flake.speed = RandomSpeed();
        m_flakes.push_back(flake);
    }

    const int fallFactor = m_nType == Thick ? 10 : 1;
    for (size_t i = 0; i < m_flakes.size();) {
        FLAKE& flake = m_flakes[i];

        if (m_nType == Sparkling) {
            // Each frame a sparkling flake shows one of its two pictures, or none.
            const int k = crt::rand() % 3;
            if (k < 2 && static_cast<size_t>(k) < m_images.size()) {
                flake.image = m_images[static_cast<size_t>(k)].get();
                if (flake.image)
                    graphics.drawImage(*flake.image, flake.x, flake.y);
            }
        } else if (m_nType == Fantasy) {
            const qreal cx = flake.x + PictureWidth(flake.image) / 2;
            const qreal cy = flake.y + PictureHeight(flake.image) / 2;
            QTransform turn;
            turn.translate(cx, cy);
            turn.rotate(static_cast<qreal>(flake.angle % 360));
            turn.translate(-cx, -cy);
            graphics.setTransform(turn);
            if (flake.image)
                graphics.drawImage(*flake.image, flake.x, flake.y);
            graphics.resetTransform();
            flake.angle += kFantasyTurn;
        } else if (flake.image) {
            graphics.drawImage(*flake.image, flake.x, flake.y);
        }

        flake.y += flake.speed * fallFactor;
        flake.tick += 1;
        if (flake.tick >= kDriftFrames) {
            flake.dx = crt::rand() * 10 < kDriftLeftBelow ? -1 : 1;
            flake.tick = 0;
        }
        flake.x += flake.dx;
        if (m_bGust)
            flake.x += m_bGustRight ? kGustStep : -kGustStep;

        if (!HasLanded(flake, H)) {
            ++i;
            continue;
        }
        // Flakes beyond the right edge are not kept; those off the left edge are.
        if (m_bAccumulate && flake.x <= W) {
            FLAKE landed = flake;
            landed.baked = false;
            m_pile.push_back(landed);
            m_pileCatch.add(landed);
        }
        // A lowered flake count thins the snow as flakes land.
        if (static_cast<int>(m_flakes.size()) > m_nMaxFlakes) {
            m_flakes.erase(m_flakes.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        // Otherwise the flake starts again at the top edge.
        flake.image = RandomPicture();
        flake.x = RandomX(W);
        flake.tick = 0;
        flake.dx = 1;
        flake.y = 0;
        flake.speed = RandomSpeed();
        ++i;
    }
}

void CDlgSnow::DrawPile(FrameDrawing& graphics)
{
    const int W = m_rcWindow.width();
    const int H = m_rcWindow.height();
    if (!m_pPileBitmap) {
        // A new pile shows from the next frame on.
        m_pPileBitmap = std::make_unique<QImage>(W, H, QImage::Format_ARGB32_Premultiplied);
        m_pPileBitmap->fill(Qt::transparent);
    } else {
        // Each landed flake is drawn into the pile picture once, so a deep
        // pile costs one picture per frame.
        if (!m_pile.empty() && !m_pile.back().baked) {
            QPainter painter(m_pPileBitmap.get());
            // Flakes keep the lighter of their own colour and the pile's: the
            // faint dark edge that shows a falling flake on a light window
            // would otherwise grey the snow it lands on, and a deep pile
            // would read as dirty rather than white.
            painter.setCompositionMode(QPainter::CompositionMode_Lighten);
            for (auto record = m_pile.rbegin(); record != m_pile.rend() && !record->baked;
                 ++record) {
                if (record->image) {
                    painter.drawImage(record->x, record->y, *record->image);
                    graphics.addChangedArea(QRect(record->x, record->y, record->image->width(),
                                                  record->image->height()));
                }
                record->baked = true;
            }
        }
        graphics.drawImage(*m_pPileBitmap, 0, 0);
    }
    // The pile remembers at most one record per pixel of width; older records
    // no longer catch flakes, but their pixels stay in the picture.
    const size_t limit = static_cast<size_t>(std::max(W, 0));
    if (m_pile.size() > limit) {
        m_pile.erase(m_pile.begin(),
                     m_pile.begin() + static_cast<std::ptrdiff_t>(m_pile.size() - limit));
        m_pile.shrink_to_fit();
    }
}
