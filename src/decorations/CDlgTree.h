#pragma once

#include "decorations/DecorationWindow.h"

#include <QImage>

#include <array>
#include <memory>

// An animated tree standing on the desktop: a window exactly the size of the
// tree's picture that steps through the tree's pictures on a timer. Unlike the
// other decorations it takes clicks, so the user can drag it with the left
// button; its place goes into the settings for the next start.
//
// Enter and Esc do nothing here: the window handles no keys at all, so there
// is nothing a key press could close or confirm.
class CDlgTree final : public DecorationWindow {
public:
    CDlgTree(COptions& options, const platform::Platform& services);
    ~CDlgTree() override;

    bool DestroyWindow() override;

    // The Tree page changes the animation speed by re-arming m_nTimer.
    using DecorationWindow::SetTimer;

    static constexpr int kFrameCount = 26;

    UINT_PTR m_nTimer = 1;
    // The tree pictures by index; see CDlgTree.cpp for the resource of each.
    std::array<std::unique_ptr<QImage>, kFrameCount> m_pFrames;
    // Position in the current tree's cycle; outlives the window, so a tree
    // chosen anew starts wherever the old one stood.
    int m_nFrame = 1;

protected:
    bool OnInitDialog() override;
    // Unlike the others, the tree goes back to its layer at every activation.
    void OnActivateApp(bool bActive) override;
    void OnLButtonDown(QPoint point) override;
    void DrawFrame(FrameDrawing& graphics) override;
};
