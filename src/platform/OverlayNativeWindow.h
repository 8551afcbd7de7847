#pragma once

#include <QWindow>

#include <functional>

namespace platform {

// The Qt window behind a decoration window: a plain window with per-pixel
// alpha that Qt itself never paints (the picture goes to the X server
// directly). It only passes on what happens to it.
class OverlayNativeWindow final : public QWindow {
public:
    OverlayNativeWindow();

    std::function<void()> onExposed;
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
