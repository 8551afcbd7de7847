#include "platform/X11PictureUpload.h"

#include <QtEndian>

#include <cstdlib>

#include <sys/ipc.h>
#include <sys/shm.h>

// Xlib's macros (None, Bool, Status, ...) clash with Qt names; keep them last.
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrender.h>
#include <xcb/xcb.h>

namespace platform {

struct X11PictureUpload::SharedSegment {
    XShmSegmentInfo info{};
};

namespace {

// Set while attaching shared memory: a server that cannot reach our memory
// (another machine, another container) answers with an error, and the
// picture then travels over the connection instead.
bool g_attachFailed = false;

int noteAttachError(Display*, XErrorEvent*)
{
    g_attachFailed = true;
    return 0;
}

} // namespace

X11PictureUpload::X11PictureUpload(Display* display, unsigned long window, const QSize& size,
                                   Delivery delivery)
    : m_display(display), m_window(window), m_drawable(window), m_size(size)
{
    if (!m_display || size.isEmpty())
        return;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(m_display, m_window, &attributes))
        return;
    Visual* visual = attributes.visual;
    int depth = attributes.depth;
    if (delivery == Delivery::OverBackground) {
        visual = static_cast<Visual*>(prepareBlending(attributes.visual));
        depth = 32;
        if (!visual) {
            release();
            return;
        }
    }
    // Pixels are written as 32-bit ARGB words in this machine's byte order;
    // every X server with a 24- or 32-bit true-colour visual takes those as
    // they are when its byte order matches.
    const bool serverByteOrderMatches =
        (ImageByteOrder(m_display) == LSBFirst) == (QSysInfo::ByteOrder == QSysInfo::LittleEndian);
    if ((depth != 32 && depth != 24) || visual->red_mask != 0xff0000 ||
        visual->green_mask != 0xff00 || visual->blue_mask != 0xff || !serverByteOrderMatches) {
        release();
        return;
    }

    if (!attachSharedMemory(visual, depth)) {
        const size_t bytes = size_t(size.width()) * 4 * size_t(size.height());
        char* data = static_cast<char*>(std::calloc(bytes, 1));
        if (!data) {
            release();
            return;
        }
        m_image =
            XCreateImage(m_display, visual, unsigned(depth), ZPixmap, 0, data,
                         unsigned(size.width()), unsigned(size.height()), 32, size.width() * 4);
        if (!m_image) {
            std::free(data);
            return;
        }
    }
    if (m_image->bits_per_pixel != 32 || m_image->bytes_per_line != size.width() * 4) {
        release(); // an image layout this program does not write: nothing is shown
        return;
    }
    // Both kinds of memory start zeroed, which is transparent; left
    // unwritten, the pages a picture never draws on take no memory.
    m_pixels = QImage(reinterpret_cast<uchar*>(m_image->data), size.width(), size.height(),
                      m_image->bytes_per_line, QImage::Format_ARGB32_Premultiplied);
    m_gc = XCreateGC(m_display, m_drawable, 0, nullptr);
    XSetGraphicsExposures(m_display, m_gc, False);
}

void* X11PictureUpload::prepareBlending(void* windowVisual)
{
    int eventBase = 0;
    int errorBase = 0;
    XVisualInfo argb{};
    if (!XRenderQueryExtension(m_display, &eventBase, &errorBase) ||
        !XMatchVisualInfo(m_display, DefaultScreen(m_display), 32, TrueColor, &argb))
        return nullptr;
    XRenderPictFormat* sourceFormat = XRenderFindVisualFormat(m_display, argb.visual);
    XRenderPictFormat* targetFormat =
        XRenderFindVisualFormat(m_display, static_cast<Visual*>(windowVisual));
    if (!sourceFormat || !targetFormat || sourceFormat->type != PictTypeDirect ||
        sourceFormat->direct.alphaMask == 0)
        return nullptr;
    m_pixmap =
        XCreatePixmap(m_display, m_window, unsigned(m_size.width()), unsigned(m_size.height()), 32);
    m_drawable = m_pixmap;
    m_source = XRenderCreatePicture(m_display, m_pixmap, sourceFormat, 0, nullptr);
    m_target = XRenderCreatePicture(m_display, m_window, targetFormat, 0, nullptr);
    return argb.visual;
}

bool X11PictureUpload::attachSharedMemory(void* visual, int depth)
{
    if (!XShmQueryExtension(m_display))
        return false;
    auto segment = std::make_unique<SharedSegment>();
    XImage* image =
        XShmCreateImage(m_display, static_cast<Visual*>(visual), unsigned(depth), ZPixmap, nullptr,
                        &segment->info, unsigned(m_size.width()), unsigned(m_size.height()));
    if (!image)
        return false;
    const size_t bytes = size_t(image->bytes_per_line) * size_t(image->height);
    segment->info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (segment->info.shmid < 0) {
        XDestroyImage(image);
        return false;
    }
    void* memory = shmat(segment->info.shmid, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(segment->info.shmid, IPC_RMID, nullptr);
        XDestroyImage(image);
        return false;
    }
    segment->info.shmaddr = image->data = static_cast<char*>(memory);
    segment->info.readOnly = False;

    XSync(m_display, False);
    g_attachFailed = false;
    XErrorHandler previous = XSetErrorHandler(noteAttachError);
    const bool attached = XShmAttach(m_display, &segment->info);
    XSync(m_display, False);
    XSetErrorHandler(previous);
    // Marked for removal now, so the memory goes with the last user even if
    // this program is killed.
    shmctl(segment->info.shmid, IPC_RMID, nullptr);
    if (!attached || g_attachFailed) {
        shmdt(memory);
        image->data = nullptr;
        XDestroyImage(image);
        return false;
    }
    m_image = image;
    m_segment = std::move(segment);
    return true;
}

X11PictureUpload::~X11PictureUpload()
{
    release();
}

void X11PictureUpload::release()
{
    if (!m_display)
        return;
    if (m_markerPending)
        xcb_discard_reply(XGetXCBConnection(m_display), m_markerSequence);
    m_markerPending = false;
    if (m_gc)
        XFreeGC(m_display, m_gc);
    m_gc = nullptr;
    if (m_segment) {
        XShmDetach(m_display, &m_segment->info);
        XSync(m_display, False);
        shmdt(m_segment->info.shmaddr);
        if (m_image)
            m_image->data = nullptr;
    }
    if (m_image)
        XDestroyImage(m_image); // frees the memory of an ordinary image
    m_image = nullptr;
    if (m_target)
        XRenderFreePicture(m_display, m_target);
    if (m_source)
        XRenderFreePicture(m_display, m_source);
    if (m_pixmap)
        XFreePixmap(m_display, m_pixmap);
    m_target = m_source = m_pixmap = 0;
    m_segment.reset();
    m_pixels = QImage();
}

void X11PictureUpload::waitUntilSent()
{
    if (m_sendsPending) {
        // A round trip: every earlier request, and its read of our memory, is done.
        XSync(m_display, False);
        m_sendsPending = false;
        if (m_markerPending)
            xcb_discard_reply(XGetXCBConnection(m_display), m_markerSequence);
        m_markerPending = false;
        return;
    }
    if (!m_markerPending)
        return;
    // The server answers in order, so its answer to the marker means it has
    // read every box sent before; a frame later it is usually waiting already,
    // and neither this program nor the server is woken for a round trip.
    xcb_get_input_focus_cookie_t marker{m_markerSequence};
    std::free(xcb_get_input_focus_reply(XGetXCBConnection(m_display), marker, nullptr));
    m_markerPending = false;
}

void X11PictureUpload::send(const QRect& box)
{
    const QRect part = box.intersected(QRect(QPoint(0, 0), m_size));
    if (!m_gc || part.isEmpty())
        return;
    const auto width = unsigned(part.width());
    const auto height = unsigned(part.height());
    if (m_segment)
        XShmPutImage(m_display, m_drawable, m_gc, m_image, part.x(), part.y(), part.x(), part.y(),
                     width, height, False);
    else
        XPutImage(m_display, m_drawable, m_gc, m_image, part.x(), part.y(), part.x(), part.y(),
                  width, height);
    if (m_target) {
        // The background and the blend travel together; the box shows the
        // background alone only between the two requests.
        XClearArea(m_display, m_window, part.x(), part.y(), width, height, False);
        XRenderComposite(m_display, PictOpOver, m_source, 0, m_target, part.x(), part.y(), 0, 0,
                         part.x(), part.y(), width, height);
    }
    m_sendsPending = m_segment != nullptr;
}

void X11PictureUpload::flush()
{
    if (!m_display)
        return;
    if (m_sendsPending) {
        // Requests made through the XCB connection go out after everything
        // Xlib has queued, so the marker follows the boxes; it also stands
        // for any earlier marker.
        xcb_connection_t* connection = XGetXCBConnection(m_display);
        if (m_markerPending)
            xcb_discard_reply(connection, m_markerSequence);
        m_markerSequence = xcb_get_input_focus(connection).sequence;
        m_markerPending = true;
        m_sendsPending = false;
    }
    XFlush(m_display);
}

} // namespace platform
