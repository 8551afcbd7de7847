#pragma once

#include <QAbstractNativeEventFilter>
#include <QWindow>

#include <functional>

namespace platform {

// The Qt window behind a decoration window: a plain window, with per-pixel
// alpha unless asked otherwise, that Qt itself never paints (the picture goes
// to the X server directly). It only passes on what happens to it.
class OverlayNativeWindow final : public QWindow, public QAbstractNativeEventFilter {
public:
    explicit OverlayNativeWindow(bool alpha = true);
    ~OverlayNativeWindow() override;
    OverlayNativeWindow(const OverlayNativeWindow&) = delete;
    OverlayNativeWindow& operator=(const OverlayNativeWindow&) = delete;

    // Sees the X events of every window: the window's own changes of parent
    // reach neither Qt's events nor nativeEvent().
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The part of the window that must be drawn again, in Qt's pixels.
    std::function<void(const QRegion&)> onExposed;
    // A window manager put the window into its frame window, or took it
    // out (the new parent is then the root); the offset is the window's
    // place inside it.
    std::function<void(unsigned long parent, QPoint offset)> onReparented;
    std::function<void()> onFocusIn;
    std::function<void(QMouseEvent*)> onMousePress;
    std::function<void(QMouseEvent*)> onMouseMove;
    std::function<void(QMouseEvent*)> onMouseRelease;

protected:
    void exposeEvent(QExposeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace platform
