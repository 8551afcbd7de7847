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
    // For the window `window` of the given size; pixels() is null when the
    // window's visual has no 32-bit pixels in the order this program writes.
    X11PictureUpload(_XDisplay* display, unsigned long window, const QSize& size);
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
    void release();

    _XDisplay* m_display;
    unsigned long m_window;
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
