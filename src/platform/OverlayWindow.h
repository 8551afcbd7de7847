#pragma once

#include "platform/OverlaySurface.h"

#include <QMetaObject>
#include <QPointF>

#include <memory>
#include <optional>

class QMouseEvent;
struct _XDisplay;

namespace platform {

class CompositorWatch;
class DesktopLayer;
class OverlayNativeWindow;
class StackingKeeper;
class X11PictureUpload;

// A decoration window on an X11 desktop, made through Qt: frameless, a tool
// window left out of the taskbar and pager, never focused when shown, with a
// 32-bit visual for per-pixel alpha and, unless the user must be able to
// drag it, an empty input shape so every click reaches the window below.
// Pictures go straight to the X server, and only their changed boxes.
// Where no compositing manager runs, the server would show every
// transparent pixel black: the window's shape then follows its picture
// (pixels at least half opaque), changed box by changed box, so the
// desktop shows around the decoration's hard edges.
// Without a compositor a click-through window that lies on the desktop shows
// its picture through the desktop layer instead (when given one), and its
// own window shows nothing.
// Everything is in physical pixels, whatever scaling Qt applies.
// Without an X display (Qt's offscreen platform) the window exists for Qt
// only and pictures go nowhere.
class OverlayWindow final : public OverlaySurface {
public:
    // Transparent: a 32-bit window, as above. Desktop: a plain window of the
    // root's depth that no window manager handles, whose background is the
    // desktop's; pictures are blended over it (the desktop layer's window).
    enum class Background { Transparent, Desktop };

    // The keeper (may be null) holds the window's place in the stacking
    // order where no window manager does; the watch (may be null: a
    // compositor is taken to run) tells whether pixels are blended; the
    // layer (may be null) shows the window's picture where no compositor
    // does. All must outlive the window.
    OverlayWindow(bool clickThrough, StackingKeeper* stacking, CompositorWatch* compositor,
                  DesktopLayer* desktopLayer = nullptr,
                  Background background = Background::Transparent);
    ~OverlayWindow() override;
    OverlayWindow(const OverlayWindow&) = delete;
    OverlayWindow& operator=(const OverlayWindow&) = delete;

    void setGeometry(const QRect& rect) override;
    QRect geometry() override;
    void present(const QImage& frame, const QRegion& changed, uint8_t constantAlpha) override;
    QImage* frameBuffer(const QSize& size, bool& blank) override;
    void setVisibleArea(const QRegion& area) override;
    void setZOrder(bool topmost) override;
    void raise() override;
    bool keepAbove(QWindow* window) override;
    bool startSystemMove() override;

    // The window's title, for tools that list windows.
    void setName(const QString& name);
    // The X window, for looking at it from outside; 0 without an X display.
    unsigned long nativeWindowId() const;
    // Whether pictures reach the server through shared memory.
    bool usesSharedMemory() const;

private:
    void showWithoutActivating();
    // The X window's rectangle for the decoration's.
    QRect windowRectFor(const QRect& rect) const;
    void addSkipTaskbarStates();
    void leaveWindowGroup();
    void onExposed(const QRegion& logical);
    void onCompositorChanged(bool compositorRuns);
    // Into the desktop layer, or out of it, as the window's place and the
    // desktop now ask.
    void updateLayerMembership();
    void enterLayer();
    void leaveLayer();
    // Makes the X window if Qt has not yet, with the shape it starts with.
    void ensureCreated();
    // The bounding shape where a compositor blends the window.
    void applyVisibleArea();
    // The bounding shape made of the picture's visible pixels within the area.
    void shapeByPixels(const QRegion& area);
    void onMousePress(QMouseEvent* event);
    void onMouseMove(QMouseEvent* event);
    void onMouseRelease(QMouseEvent* event);
    // The upload for pictures of this size; false when pictures cannot be shown.
    bool prepareUpload(const QSize& size);
    void sendWholePicture();
    qreal pixelRatio() const;
    // Runs a call into the decoration, which may end this window meanwhile.
    template <typename Call> void callOut(const Call& call);
    QRect toLogical(const QRect& physical) const;

    bool m_clickThrough;
    StackingKeeper* m_stacking;
    _XDisplay* m_display;
    std::unique_ptr<OverlayNativeWindow> m_window;
    std::shared_ptr<bool> m_alive; // false once this object is gone
    CompositorWatch* m_compositor;
    int m_compositorFollower = 0;
    DesktopLayer* m_desktopLayer;
    int m_layerFollower = 0;
    Background m_background;
    // Asked to lie below all normal windows.
    bool m_onDesktop = false;
    // Shown through the desktop layer, from this picture; the X window
    // itself shows nothing meanwhile.
    bool m_inLayer = false;
    QImage m_layerPicture;
    bool m_layerPictureIsBlank = false;
    // No compositor: the shape follows the picture's pixels.
    bool m_shapedByPixels = false;
    std::optional<QRegion> m_visibleArea;
    // The window manager's frame exactly around the window, whose shape
    // follows the window's; 0 when there is none.
    unsigned long m_frame = 0;
    std::unique_ptr<X11PictureUpload> m_upload;
    QRect m_rect;
    // Rows the X window has below the decoration's rectangle.
    int m_extraRows = 0;
    uint8_t m_lastAlpha = 255;
    bool m_uploadIsNew = false; // its first picture is sent whole
    // Nothing was written to the upload's memory yet: it reads transparent
    // and none of it is resident.
    bool m_uploadIsBlank = false;
    bool m_inputShapeRenewed = false;
    bool m_applicationActive = false;
    // Calls into the decoration in progress; the decoration may end this
    // window from one, and then the Qt window must outlive the call.
    int m_callsOut = 0;
    // The drag this window does itself where no window manager moves it.
    bool m_dragging = false;
    QPointF m_pressGlobal;
    QPoint m_dragStartCorner;
};

} // namespace platform
