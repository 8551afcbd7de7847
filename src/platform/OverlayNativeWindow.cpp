#include "platform/OverlayNativeWindow.h"

#include <QMouseEvent>
#include <QSurfaceFormat>

namespace platform {

OverlayNativeWindow::OverlayNativeWindow()
{
    // An alpha channel gets the window a 32-bit visual, which a compositing
    // manager blends over the desktop pixel by pixel.
    QSurfaceFormat format;
    format.setAlphaBufferSize(8);
    setFormat(format);
    setSurfaceType(QSurface::RasterSurface);
}

void OverlayNativeWindow::exposeEvent(QExposeEvent*)
{
    if (isExposed() && onExposed)
        onExposed();
}

void OverlayNativeWindow::focusInEvent(QFocusEvent*)
{
    if (onFocusIn)
        onFocusIn();
}

void OverlayNativeWindow::mousePressEvent(QMouseEvent* event)
{
    if (onMousePress)
        onMousePress(event);
}

void OverlayNativeWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove)
        onMouseMove(event);
}

void OverlayNativeWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (onMouseRelease)
        onMouseRelease(event);
}

} // namespace platform
