#include "decorations/CDlgCursor.h"

#include "core/COptions.h"
#include "core/ProgramResources.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/RuntimeLibrary.h"
#include "vocabulary/CursorEffects.h"
#include "vocabulary/PictureIds.h"
#include "vocabulary/SnowPictures.h"

#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace {

static_assert(kCursorEffectKeys.size() == CDlgCursor::kEffectCount);

// The snowflakes the cursor snow shares with the fluffy snow: all but its specks.
constexpr std::span<const unsigned> kSnowPictures =
    std::span(kFluffySnowPictures).subspan(kFluffySpeckCount);

constexpr uint32_t kFramePeriodMs = 20;
constexpr size_t kMostPresents = 20;

// One random fraction in 0..1.
float randomFraction()
{
    return static_cast<float>(crt::rand() / 32767.0);
}

// Nearest whole pixel, halves up.
int roundHalfUp(float value)
{
    return static_cast<int>(std::floor(value + 0.5f));
}

QTransform rotationAbout(qreal degrees, qreal cx, qreal cy)
{
    QTransform transform;
    transform.translate(cx, cy);
    transform.rotate(degrees);
    transform.translate(-cx, -cy);
    return transform;
}

// A picture that could not be had is left out.
void appendPicture(std::vector<std::unique_ptr<QImage>>& pictures, unsigned id)
{
    std::unique_ptr<QImage> picture = LoadPngResource(id);
    if (picture && !picture->isNull())
        pictures.push_back(std::move(picture));
}

std::unique_ptr<QImage> loadPicture(unsigned id)
{
    std::unique_ptr<QImage> picture = LoadPngResource(id);
    return picture && !picture->isNull() ? std::move(picture) : nullptr;
}

// Turning angles keep turning however long the program runs: a float that
// only ever grew would stop changing after some days.
void advanceTurn(float& angle)
{
    angle += 1.0f;
    if (angle >= 360.0f)
        angle -= 360.0f;
}

} // namespace

CDlgCursor::CDlgCursor(COptions& options, const platform::Platform& services)
    : DecorationWindow(Template::Overlay, options, services, &COptions::fCursorTop)
{
    crt::srand(static_cast<uint32_t>(services.clock->unixTime()));
}

CDlgCursor::~CDlgCursor()
{
    FreeAllPictures();
}

bool CDlgCursor::DestroyWindow()
{
    FreeAllPictures();
    return DecorationWindow::DestroyWindow();
}

void CDlgCursor::FreeAllPictures()
{
    m_snowImages.clear();
    m_snowflakes.clear();
    m_presentImages.clear();
    m_presents.clear();
    m_pImageStocking.reset();
    m_pImageBall.reset();
    m_pImageBells.reset();
    m_pImageWreath.reset();
    m_pImageBow.reset();
    m_pImageEuphorbia.reset();
    m_pImageSpinningWreath.reset();
}

void CDlgCursor::SetCursorType(const QString& name)
{
    ReleaseEffect(m_nType);
    for (int32_t nType = 0; nType < kEffectCount; ++nType) {
        if (name == QLatin1String(kCursorEffectKeys[static_cast<size_t>(nType)])) {
            m_nType = nType;
            break;
        }
    }
    LoadEffect(m_nType);
    m_bTrailGone = false;
}

void CDlgCursor::ReleaseEffect(int32_t nType)
{
    switch (nType) {
    case FAIRY_DUST:
        m_particles.clear();
        break;
    case SNOW:
        m_snowImages.clear();
        m_snowflakes.clear();
        break;
    case STOCKING:
        m_pImageStocking.reset();
        break;
    case BALL:
        m_pImageBall.reset();
        break;
    case BELLS:
        m_pImageBells.reset();
        break;
    case BOW:
        m_pImageBow.reset();
        break;
    case EUPHORBIA_PULCHERRIMA:
        m_pImageEuphorbia.reset();
        break;
    case PRESENTS:
        m_presentImages.clear();
        m_presents.clear();
        break;
    case SPINNING_WREATH:
        m_pImageSpinningWreath.reset();
        break;
    case WREATH:
        m_pImageWreath.reset();
        break;
    default:
        break;
    }
}

void CDlgCursor::LoadEffect(int32_t nType)
{
    switch (nType) {
    case SNOW:
        for (unsigned id : kSnowPictures)
            appendPicture(m_snowImages, id);
        break;
    case STOCKING:
        m_pImageStocking = loadPicture(kStockingPicture);
        break;
    case BALL:
        m_pImageBall = loadPicture(kBallPicture);
        break;
    case BELLS:
        m_pImageBells = loadPicture(kBellsPicture);
        break;
    case BOW:
        m_pImageBow = loadPicture(kBowPicture);
        break;
    case EUPHORBIA_PULCHERRIMA:
        m_pImageEuphorbia = loadPicture(kEuphorbiaPicture);
        break;
    case PRESENTS:
        for (unsigned id : kPresentPictures)
            appendPicture(m_presentImages, id);
        break;
    case SPINNING_WREATH:
        m_pImageSpinningWreath = loadPicture(kSpinningWreathPicture);
        break;
    case WREATH:
        m_pImageWreath = loadPicture(kWreathPicture);
        break;
    default: // the fairy dust draws text, no pictures
        break;
    }
}

bool CDlgCursor::OnInitDialog()
{
    const QRect workArea = m_services.desktop->workArea();
    // One pixel less high than the work area.
    MoveWindow(QRect(workArea.left(), workArea.top(), std::max(workArea.width(), 1),
                     std::max(workArea.height() - 1, 1)));
    m_rcWindow = GetWindowRect();
    SetCursorType(m_options.strCursorType);
    m_nTimer = SetTimer(m_nTimer, kFramePeriodMs);
    // No window order here: start-up places the window, then focus and
    // activation keep it there.
    return true;
}

void CDlgCursor::OnTimer(UINT_PTR nIDEvent)
{
    // A still pointer with no trail behind it: nothing to draw or push.
    if (nIDEvent == m_nTimer && m_bTrailGone &&
        m_services.desktop->cursorPos() - m_rcWindow.topLeft() == m_ptLast)
        return;
    DecorationWindow::OnTimer(nIDEvent);
}

void CDlgCursor::DrawFrame(FrameDrawing& graphics)
{
    // The window stays where it was put (it takes no clicks, so nobody drags
    // it): the kept rectangle spares the X server two questions a frame.
    const QPoint pointer = m_services.desktop->cursorPos() - m_rcWindow.topLeft();
    const int x = pointer.x();
    const int y = pointer.y();

    switch (m_nType) {
    case SNOW:
        DrawSnow(graphics, x, y);
        break;
    case STOCKING:
    case BALL:
    case BELLS:
    case WREATH:
        DrawPendant(graphics, x, y);
        break;
    case BOW:
        if (m_pImageBow)
            graphics.drawImage(*m_pImageBow, x - 8, y + 11);
        break;
    case EUPHORBIA_PULCHERRIMA:
    case SPINNING_WREATH:
        DrawSpinning(graphics, x, y);
        break;
    case PRESENTS:
        DrawPresents(graphics, x, y);
        break;
    case FAIRY_DUST:
        DrawFairyDust(graphics, x, y);
        break;
    default:
        break;
    }
    m_bTrailGone =
        (m_nType == FAIRY_DUST && m_particles.empty()) || (m_nType == SNOW && m_snowflakes.empty());
}

void CDlgCursor::DrawFairyDust(FrameDrawing& graphics, int x, int y)
{
    const QPoint pointer(x, y);
    if (pointer != m_ptLast) {
        // The star's box starts up and left of the pointer, so the star sits at its tip.
        m_particles.push_back(
            FairyDust::MakeParticle(static_cast<float>(x - 10), static_cast<float>(y - 10)));
        m_ptLast = pointer;
    }
    FairyDust::MoveAndDraw(m_particles, graphics);
}

void CDlgCursor::DrawSnow(FrameDrawing& graphics, int x, int y)
{
    const QPoint pointer(x, y);
    if (pointer != m_ptLast && !m_snowImages.empty()) {
        SNOWFLAKE flake;
        flake.image = m_snowImages[static_cast<size_t>(crt::rand()) % m_snowImages.size()].get();
        flake.x = static_cast<float>(x - 10);
        flake.y = static_cast<float>(y - 10);
        const float sign = randomFraction() >= 0.5f ? 1.0f : -1.0f;
        flake.vx = randomFraction() * 0.5f * sign;
        flake.vy = randomFraction() + 1.0f;
        flake.life = 120;
        flake.angle = 0;
        m_snowflakes.push_back(flake);
        m_ptLast = pointer;
    }

    for (size_t i = 0; i < m_snowflakes.size();) {
        SNOWFLAKE& flake = m_snowflakes[i];
        flake.x += flake.vx;
        flake.y += flake.vy;
        flake.life -= 1;
        flake.vy -= randomFraction() / 300.0f; // the flake slows down
        if (flake.life < 0) {
            m_snowflakes.erase(m_snowflakes.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        const int w = flake.image->width();
        const int h = flake.image->height();
        // The flake turns about the centre of its full-size picture while it
        // shrinks towards its top-left corner.
        graphics.setTransform(rotationAbout(flake.angle, flake.x + (w >> 1), flake.y + (h >> 1)));
        const float left = static_cast<float>(flake.life) / 120.0f;
        graphics.drawImage(*flake.image,
                           QRectF(flake.x, flake.y, roundHalfUp(left * static_cast<float>(w)),
                                  roundHalfUp(left * static_cast<float>(h))));
        graphics.resetTransform();
        flake.angle += 5;
        ++i;
    }
}

void CDlgCursor::DrawPresents(FrameDrawing& graphics, int x, int y)
{
    const bool buttonDown = m_services.desktop->leftButtonDown();
    if (buttonDown && !m_bButtonLatch && m_presents.size() < kMostPresents &&
        !m_presentImages.empty()) {
        // One present per press, however long the button is held.
        m_bButtonLatch = true;
        PRESENT present;
        present.image =
            m_presentImages[static_cast<size_t>(crt::rand()) % m_presentImages.size()].get();
        present.x = static_cast<float>(x);
        present.y = static_cast<float>(y);
        const float sign = randomFraction() >= 0.5f ? 1.0f : -1.0f;
        present.vx = randomFraction() * 0.5f * sign;
        present.vy = randomFraction() + 2.0f;
        present.grow = 0;
        present.angle = 0;
        m_presents.push_back(present);
        m_ptLast = QPoint(x, y);
    } else if (!buttonDown) {
        m_bButtonLatch = false;
    }

    const float height = static_cast<float>(m_rcWindow.height());
    for (size_t i = 0; i < m_presents.size();) {
        PRESENT& present = m_presents[i];
        present.x += present.vx;
        present.y += present.vy;
        const int w = present.image->width();
        const int h = present.image->height();
        if (present.grow < static_cast<float>(w))
            present.grow += 0.2f;
        // A present leaves only once its top edge has fallen below the window.
        if (present.y > height) {
            m_presents.erase(m_presents.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        // Starts one pixel large and grows while it falls.
        const float sw = static_cast<float>(w / 100) + present.grow;
        const float sh = static_cast<float>(h / 100) + present.grow;
        graphics.setTransform(rotationAbout(present.angle, present.x + sw / 2, present.y + sh / 2));
        graphics.drawImage(*present.image,
                           QRectF(present.x, present.y, roundHalfUp(sw), roundHalfUp(sh)));
        graphics.resetTransform();
        present.angle += 5;
        ++i;
    }
}

void CDlgCursor::DrawPendant(FrameDrawing& graphics, int x, int y)
{
    const QImage* picture = nullptr;
    QPoint topLeft;
    switch (m_nType) {
    case STOCKING:
        picture = m_pImageStocking.get();
        topLeft = QPoint(x - 7, y + 15);
        break;
    case BALL:
        picture = m_pImageBall.get();
        topLeft = QPoint(x - 12, y + 18);
        break;
    case BELLS:
        picture = m_pImageBells.get();
        topLeft = QPoint(x - 9, y + 6);
        break;
    case WREATH:
        picture = m_pImageWreath.get();
        topLeft = QPoint(x - 8, y + 16);
        break;
    default:
        return;
    }

    // The pendant hangs from a point just below the pointer's tip; at rest it
    // hangs upright with no turn at all, so a resting pendant is the very same
    // picture every frame.
    if (m_fSwingAmplitude != 0)
        graphics.setTransform(rotationAbout(m_fSwingAngle, x + 8, y + 20));
    if (picture)
        graphics.drawImage(*picture, topLeft.x(), topLeft.y());
    if (m_fSwingAmplitude != 0)
        graphics.resetTransform();

    if (m_bSwingForward)
        m_fSwingAngle += m_fSwingAmplitude / 10;
    else
        m_fSwingAngle -= m_fSwingAmplitude / 10;

    const QPoint pointer(x, y);
    if (pointer == m_ptLast) {
        // At rest the swing dies down by one degree each time it passes upright.
        if (std::floor(m_fSwingAngle + 0.5f) == 0 && m_fSwingAmplitude != 0)
            m_fSwingAmplitude -= 1;
    } else {
        m_fSwingAmplitude = 10;
        m_ptLast = pointer;
    }

    if (std::fabs(m_fSwingAngle) > m_fSwingAmplitude)
        m_bSwingForward = !m_bSwingForward;
}

void CDlgCursor::DrawSpinning(FrameDrawing& graphics, int x, int y)
{
    if (m_nType == EUPHORBIA_PULCHERRIMA) {
        // The flower circles around the pointer's tip.
        graphics.setTransform(rotationAbout(m_fFlowerAngle, x, y));
        if (m_pImageEuphorbia)
            graphics.drawImage(*m_pImageEuphorbia, x + 16, y + 16);
        graphics.resetTransform();
        advanceTurn(m_fWreathAngle);
        advanceTurn(m_fFlowerAngle);
    } else if (m_nType == SPINNING_WREATH) {
        // The wreath turns in place about its own centre.
        const int w = m_pImageSpinningWreath ? m_pImageSpinningWreath->width() : 0;
        const int h = m_pImageSpinningWreath ? m_pImageSpinningWreath->height() : 0;
        graphics.setTransform(rotationAbout(m_fWreathAngle, x - 30 + (w >> 1), y - 30 + (h >> 1)));
        if (m_pImageSpinningWreath)
            graphics.drawImage(*m_pImageSpinningWreath, x - 30, y - 30);
        graphics.resetTransform();
        advanceTurn(m_fWreathAngle);
    }
}
