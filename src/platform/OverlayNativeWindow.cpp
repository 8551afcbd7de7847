#include "platform/OverlayNativeWindow.h"

#include <QCoreApplication>
#include <QExposeEvent>
#include <QMouseEvent>
#include <QSurfaceFormat>

#include <xcb/xcb.h>

namespace platform {

OverlayNativeWindow::OverlayNativeWindow(bool alpha)
{
    // An alpha channel gets the window a 32-bit visual, which a compositing
    // manager blends over the desktop pixel by pixel.
    if (alpha) {
        QSurfaceFormat format;
        format.setAlphaBufferSize(8);
        setFormat(format);
    }
    setSurfaceType(QSurface::RasterSurface);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

void OverlayNativeWindow::exposeEvent(QExposeEvent* event)
{
    if (!isExposed() || !onExposed)
        return;
    // Qt would have a plain window repaint all of itself; a window whose
    // shape follows its picture is exposed in small pieces every frame, and
    // those pieces are all it needs.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    const QRegion region = event->region();
    QT_WARNING_POP
    onExposed(region);
}

OverlayNativeWindow::~OverlayNativeWindow()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool OverlayNativeWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || !onReparented || !handle())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_REPARENT_NOTIFY)
        return false;
    const auto* reparent = static_cast<const xcb_reparent_notify_event_t*>(message);
    if (reparent->window == winId())
        onReparented(reparent->parent, QPoint(reparent->x, reparent->y));
    return false;
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
