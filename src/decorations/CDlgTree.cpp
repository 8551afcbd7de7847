#include "decorations/CDlgTree.h"

#include "core/COptions.h"
#include "core/ProgramResources.h"
#include "platform/Desktop.h"
#include "vocabulary/TreePictures.h"

#include <algorithm>
#include <span>

namespace {

// The resource of each picture index; Silver's ninth picture is loaded twice
// so that it can show it on two successive ticks from two slots.
constexpr size_t kSilverTwice = 8;
constexpr std::array<unsigned, CDlgTree::kFrameCount> kFrameResources = [] {
    std::array<unsigned, CDlgTree::kFrameCount> ids{};
    size_t next = 0;
    auto put = [&](unsigned id) { ids[next++] = id; };
    for (size_t i = 0; i < kSilverTreePictures.size(); ++i) {
        put(kSilverTreePictures[i]);
        if (i == kSilverTwice)
            put(kSilverTreePictures[i]);
    }
    for (unsigned id : kBowTreePictures)
        put(id);
    for (unsigned id : kJoyTreePictures)
        put(id);
    for (unsigned id : kSnowyTreePictures)
        put(id);
    for (unsigned id : kHoarfrostTreePictures)
        put(id);
    return ids;
}();

// One tree: the picture indexes it shows for counter values 1, 2, 3, ...; the
// first one also gives the window its size.
struct TreeCycle {
    std::span<const int> frames;
};

constexpr int kBow[] = {11, 12};
constexpr int kHoarfrost[] = {21, 22, 23, 24, 25};
// The last picture is held for four ticks.
constexpr int kJoy[] = {13, 14, 15, 16, 17, 18, 18, 18, 18};
// Rests on its first picture and on its seventh, then a short sparkle.
constexpr int kSilver[] = {0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 6, 6, 6, 7, 8, 9, 10};
constexpr int kSnowy[] = {19, 20};

// By the iTree setting: "Bow", "Hoarfrost", "Joy", "Silver", "Snowy".
constexpr std::array<TreeCycle, 5> kTrees = {{{kBow}, {kHoarfrost}, {kJoy}, {kSilver}, {kSnowy}}};

constexpr int kSlowestSpeed = 1;
constexpr int kFastestSpeed = 10;

// A hand-edited settings file may hold any number: the window then shows the
// nearest tree there is, and leaves the setting itself as it is.
const TreeCycle& CurrentTree(const COptions& options)
{
    const int iTree = options.iTree;
    return kTrees[static_cast<size_t>(std::clamp<int>(iTree, 0, int(kTrees.size()) - 1))];
}

// 1000 ms at speed 1 down to 100 ms at speed 10; speeds outside that range
// run at the nearest one.
uint32_t FramePeriod(const COptions& options)
{
    const int speed = std::clamp(options.iTreeSpeed, kSlowestSpeed, kFastestSpeed);
    return static_cast<uint32_t>(11 - speed) * 100;
}

} // namespace

CDlgTree::CDlgTree(COptions& options, const platform::Platform& services)
    : DecorationWindow(Template::Tree, options, services, &COptions::fTreeTop)
{
}

CDlgTree::~CDlgTree()
{
    CDlgTree::DestroyWindow();
}

bool CDlgTree::DestroyWindow()
{
    // The counter stays, so the animation goes on where it was.
    for (auto& picture : m_pFrames)
        picture.reset();
    return DecorationWindow::DestroyWindow();
}

bool CDlgTree::OnInitDialog()
{
    for (size_t i = 0; i < m_pFrames.size(); ++i)
        m_pFrames[i] = LoadPngResource(kFrameResources[i]);

    const QImage* sizing =
        m_pFrames[static_cast<size_t>(CurrentTree(m_options).frames.front())].get();
    const int w = sizing && !sizing->isNull() ? sizing->width() : 1;
    const int h = sizing && !sizing->isNull() ? sizing->height() : 1;

    const COptions& options = m_options;
    // A hand-edited place beyond any screen is pulled in just far enough that
    // no arithmetic on the window's rectangle can overflow.
    constexpr int kFarthest = 1 << 30;
    int x = std::clamp(options.iTreeX, -kFarthest, kFarthest);
    int y = std::clamp(options.iTreeY, -kFarthest, kFarthest);
    if (options.iTreeX == -1 || options.iTreeY == -1) {
        // Centred on the primary monitor's work area. X11 may put the primary
        // monitor anywhere on the virtual screen, so its corner counts too.
        const QRect workArea = m_services.desktop->workArea();
        x = workArea.left() + workArea.width() / 2 - w / 2;
        y = workArea.top() + workArea.height() / 2 - h / 2;
    }
    MoveWindow(QRect(x, y, w, h));
    if (options.fTreeTop)
        SetOnTop();
    else
        SetOnDesktop();
    m_nTimer = SetTimer(m_nTimer, FramePeriod(m_options));
    return true;
}

void CDlgTree::OnActivateApp(bool bActive)
{
    if (!bActive)
        return;
    if (IsOnTopSetting())
        SetOnTop();
    else
        SetOnDesktop();
}

void CDlgTree::OnLButtonDown(QPoint)
{
    // The window manager moves the window while the button is held, as if the
    // tree were the window's title bar.
    StartDrag();
}

void CDlgTree::DrawFrame(FrameDrawing& graphics)
{
    // The user may have dragged the tree since the last frame: its place is
    // remembered for the next start.
    m_rcWindow = GetWindowRect();
    COptions& options = m_options;
    if (m_rcWindow.left() != options.iTreeX || m_rcWindow.top() != options.iTreeY) {
        options.iTreeX = m_rcWindow.left();
        options.iTreeY = m_rcWindow.top();
    }

    const std::span<const int> frames = CurrentTree(m_options).frames;
    int c = m_nFrame;
    if (c > int(frames.size()) || c < 1)
        c = 1;
    if (const QImage* picture = m_pFrames[static_cast<size_t>(frames[size_t(c - 1)])].get())
        graphics.drawImage(*picture, 0, 0);
    m_nFrame = c + 1;
}
