#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <memory>

struct _XDisplay;
struct _XImage;
struct _XGC;

namespace platform {

// The client-side copy of one window's picture and the way it reaches the
// window: an image in memory shared with the X server where the server is
// local (each changed box is then one small request with no pixels in it),
// else an ordinary image whose pixels travel over the connection. Only boxes
// that changed are sent, one request each.
class X11PictureUpload final {
public:
    // How a box reaches the window: its pixels copied as they are (a window
    // with an alpha channel, or one that shows the colours alone), or blended
    // over the window's own background, which the server paints into the box
    // first (a plain window whose background is the desktop's).
    enum class Delivery { Copy, OverBackground };

    // For the window `window` of the given size; pixels() is null when the
    // window's visual has no 32-bit pixels in the order this program writes,
    // or when blending is asked for and the server cannot blend.
    X11PictureUpload(_XDisplay* display, unsigned long window, const QSize& size,
                     Delivery delivery = Delivery::Copy);
    ~X11PictureUpload();
    X11PictureUpload(const X11PictureUpload&) = delete;
    X11PictureUpload& operator=(const X11PictureUpload&) = delete;

    QSize size() const { return m_size; }
    bool usesSharedMemory() const { return m_segment != nullptr; }
    // Premultiplied ARGB over the upload's own memory, transparent to start
    // with. Before writing to it
    // call waitUntilSent(): the server reads shared memory after the request.
    QImage& pixels() { return m_pixels; }
    // Blocks until the server has read every box sent so far. After flush()
    // that is normally long done by the next frame, and costs no round trip.
    void waitUntilSent();
    // Sends one box of pixels() to the same place in the window.
    void send(const QRect& box);
    // Hands the queued requests to the server, with a request whose answer
    // tells later that the server has read them.
    void flush();

private:
    bool attachSharedMemory(void* visual, int depth);
    // Sets up the picture the boxes go to before they are blended over the
    // window; the 32-bit visual the pixels are written for, or null.
    void* prepareBlending(void* windowVisual);
    void release();

    _XDisplay* m_display;
    unsigned long m_window;
    // Where boxes are put: the window, or when blending, a pixmap of the
    // picture's size with the server's pictures of both ends.
    unsigned long m_drawable = 0;
    unsigned long m_pixmap = 0;
    unsigned long m_source = 0;
    unsigned long m_target = 0;
    QSize m_size;
    _XImage* m_image = nullptr;
    _XGC* m_gc = nullptr;
    // The shared memory and the server's name for it; the image points at it.
    struct SharedSegment;
    std::unique_ptr<SharedSegment> m_segment;
    bool m_sendsPending = false;
    // The answer that marks every box sent before it as read.
    bool m_markerPending = false;
    unsigned int m_markerSequence = 0;
    QImage m_pixels;
};

} // namespace platform
