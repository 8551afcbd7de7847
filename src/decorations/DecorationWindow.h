#pragma once

#include "decorations/FrameCompositor.h"
#include "decorations/FrameCountLog.h"
#include "decorations/FrameDrawing.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/WindowSystem.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class COptions;

// What the decoration windows share: the window itself, placed over the
// desktop, kept on top of everything or at the bottom of the window order; its
// timers; and the frame pipeline that turns each frame's drawing into the
// window's picture. The object outlives its window: a window can be destroyed
// and created again any number of times, and everything but the pictures and
// records a class loads keeps its value across that.
class DecorationWindow {
public:
    using UINT_PTR = platform::Scheduler::TimerId;

    // The empty window template a decoration is made from.
    enum class Template {
        Overlay = 192, // lets every click through
        Tree = 294,    // takes clicks, so the user can drag it
    };

    virtual ~DecorationWindow();
    DecorationWindow(const DecorationWindow&) = delete;
    DecorationWindow& operator=(const DecorationWindow&) = delete;

    // Makes the window, runs OnInitDialog and shows the first frame. False when
    // no window could be made (callers other than the garland page ignore it).
    bool Create();
    // Ends the window and its timers. Overrides free their pictures and
    // records first, then call this.
    virtual bool DestroyWindow();
    bool IsWindow() const { return m_surface != nullptr; }

    // Above all windows / at the bottom of the window order, without moving,
    // sizing or activating the window. Nothing when there is no window.
    void SetOnTop();
    void SetOnDesktop();
    // To the top of its layer; used to keep a window just above another.
    void Raise();

    // The window's rectangle in screen pixels, as placed by OnInitDialog.
    QRect m_rcWindow;

    // The last frame: its drawing and the resulting window picture. For tests
    // and for anything that wants to look at what the user sees.
    const FrameDrawing& lastDrawing() const { return m_drawing; }
    const QImage& frameImage() const { return m_compositor.image(); }

protected:
    // onTopSetting names the setting that keeps the window "On Top" rather than
    // "On Desktop"; null for a window that is always on top.
    DecorationWindow(Template dialogTemplate, COptions& options, const platform::Platform& services,
                     bool COptions::*onTopSetting);

    // Loads, places and starts the window; every class has its own order of
    // steps around the shared ones below.
    virtual bool OnInitDialog() = 0;
    // A timer fired. The default draws a new frame.
    virtual void OnTimer(UINT_PTR nIDEvent);
    // The window got the focus: a window "On Desktop" goes back to the bottom
    // of the window order, since taking the focus may have raised it.
    virtual void OnSetFocus();
    // The program was activated or deactivated: a window "On Top" goes back
    // above the windows the user just brought up.
    virtual void OnActivateApp(bool bActive);
    // Whether the window belongs "On Top" as its setting says now.
    bool IsOnTopSetting() const;
    // Whether the program behaves as that Windows version or a later one.
    bool IsWindowsVersionOrGreater(unsigned short major, unsigned short minor) const;
    // The left button went down on the window (only the tree takes clicks).
    virtual void OnLButtonDown(QPoint point);
    // Draws the decoration on a fully transparent picture of m_rcWindow's size.
    virtual void DrawFrame(FrameDrawing& graphics) = 0;
    // The window's title, for tools that list windows (the user never sees
    // it); none by default.
    virtual QString WindowName() const { return {}; }
    // The alpha applied to the whole frame on top of each pixel's own.
    virtual uint8_t ConstantAlpha() const { return 255; }
    // The part of the window the frame just drawn (lastDrawing()) can cover,
    // when the class knows it is much less than the whole window; the rest is
    // then left out of the window so the desktop need not blend it. Nothing
    // (the default) shows the whole window.
    virtual std::optional<QRegion> VisibleArea() const { return std::nullopt; }

    // Shared steps for OnInitDialog and the handlers.
    void MoveWindow(const QRect& rect);
    QRect GetWindowRect() const;
    // Arms (or re-arms with a new period) a timer of this window; returns its id.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, uint32_t nElapse);
    bool KillTimer(UINT_PTR nIDEvent);
    // Draws a new frame and pushes it to the screen now.
    void RedrawWindow();
    // Lets the window manager (or the window itself) move the window with the pointer.
    void StartDrag();

    platform::OverlaySurface* surface() const { return m_surface.get(); }

    COptions& m_options;
    const platform::Platform m_services;

private:
    Template m_template;
    bool COptions::*m_onTopSetting;
    std::unique_ptr<platform::OverlaySurface> m_surface;
    FrameDrawing m_drawing;
    FrameCompositor m_compositor;
    uint8_t m_lastAlpha = 255;
    // What the window was last told to show; set again only when it changes.
    std::optional<QRegion> m_visibleArea;
    FrameCountLog m_frameCount;
};
