#include "platform/OverlayWindow.h"

#include "platform/CompositorWatch.h"
#include "platform/DesktopLayer.h"
#include "platform/OverlayNativeWindow.h"
#include "platform/QtX11Display.h"
#include "platform/StackingKeeper.h"
#include "platform/X11Desktop.h"
#include "platform/X11PictureUpload.h"
#include "platform/X11Properties.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

// Xlib's macros (None, Bool, Status, ...) clash with Qt names; keep them last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace platform {

namespace {

// c * alpha / 255, rounded, for each of the four premultiplied channels.
inline uint32_t scaled(uint32_t pixel, uint32_t alpha)
{
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t t = ((pixel >> shift) & 0xff) * alpha + 128;
        result |= ((t + (t >> 8)) >> 8) << shift;
    }
    return result;
}

// Without a compositor a pixel is shown whole or not at all; from half
// opaque on it is more decoration than desktop.
constexpr uint32_t kShownAlpha = 128;

XRectangle toXRectangle(const QRect& box)
{
    return XRectangle{static_cast<short>(box.x()), static_cast<short>(box.y()),
                      static_cast<unsigned short>(box.width()),
                      static_cast<unsigned short>(box.height())};
}

// The picture's shown pixels within the boxes as rectangles: runs along each
// row, a run exactly under one of the row above growing that rectangle.
std::vector<XRectangle> shownPixels(const QImage& picture, const QRegion& area)
{
    std::vector<XRectangle> shown;
    std::vector<size_t> above;
    std::vector<size_t> row;
    for (const QRect& box : area) {
        above.clear();
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const auto* pixels = reinterpret_cast<const uint32_t*>(picture.constScanLine(y));
            row.clear();
            size_t next = 0; // the first rectangle of the row above not left of this run
            int x = box.left();
            while (x <= box.right()) {
                if ((pixels[x] >> 24) < kShownAlpha) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x <= box.right() && (pixels[x] >> 24) >= kShownAlpha)
                    ++x;
                while (next < above.size() && shown[above[next]].x < start)
                    ++next;
                if (next < above.size() && shown[above[next]].x == start &&
                    shown[above[next]].width == x - start) {
                    ++shown[above[next]].height;
                    row.push_back(above[next]);
                } else {
                    row.push_back(shown.size());
                    shown.push_back(toXRectangle(QRect(start, y, x - start, 1)));
                }
            }
            above.swap(row);
        }
    }
    return shown;
}

// The box of one picture copied into another of the same size, scaled by
// the constant alpha.
void copyBox(const QImage& from, QImage& to, const QRect& box, uint8_t constantAlpha)
{
    uchar* const bits = to.bits();
    const qsizetype bytesPerLine = to.bytesPerLine();
    const size_t rowBytes = size_t(box.width()) * 4;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const uchar* source = from.constScanLine(y) + box.left() * 4;
        uchar* target = bits + y * bytesPerLine + box.left() * 4;
        if (constantAlpha == 255) {
            std::memcpy(target, source, rowBytes);
            continue;
        }
        const auto* sourcePixels = reinterpret_cast<const uint32_t*>(source);
        auto* targetPixels = reinterpret_cast<uint32_t*>(target);
        for (int x = 0; x < box.width(); ++x)
            targetPixels[x] = scaled(sourcePixels[x], constantAlpha);
    }
}

// A transparent picture whose pages take no memory until drawn on.
QImage blankPicture(const QSize& size)
{
    void* memory = std::calloc(size_t(size.width()) * size_t(size.height()), 4);
    if (!memory)
        return QImage();
    return QImage(static_cast<uchar*>(memory), size.width(), size.height(), size.width() * 4,
                  QImage::Format_ARGB32_Premultiplied, std::free, memory);
}

} // namespace

OverlayWindow::OverlayWindow(bool clickThrough, StackingKeeper* stacking,
                             CompositorWatch* compositor, DesktopLayer* desktopLayer,
                             Background background)
    : m_clickThrough(clickThrough), m_stacking(stacking), m_display(qtX11Display()),
      m_window(std::make_unique<OverlayNativeWindow>(background == Background::Transparent)),
      m_alive(std::make_shared<bool>(true)),
      m_compositor(background == Background::Transparent ? compositor : nullptr),
      m_desktopLayer(m_display && m_clickThrough ? desktopLayer : nullptr), m_background(background)
{
    if (m_display && m_compositor) {
        m_shapedByPixels = !m_compositor->compositorRuns();
        m_compositorFollower =
            m_compositor->follow([this](bool runs) { onCompositorChanged(runs); });
    }
    if (m_desktopLayer)
        m_layerFollower = m_desktopLayer->follow([this] { updateLayerMembership(); });
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint;
    if (m_clickThrough) {
        // A window the user cannot touch never needs the keyboard either.
        flags |= Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus;
    }
    // A window manager would put the desktop's window into a frame of its
    // own, whose background is no desktop; it stays at the bottom through
    // the stacking keeper instead.
    if (m_background == Background::Desktop)
        flags |= Qt::X11BypassWindowManagerHint;
    m_window->setFlags(flags);
    // Qt then tells the window manager not to focus the window when it maps.
    m_window->setProperty("_q_showWithoutActivating", true);

    // Events still queued for the Qt window may arrive after this object is
    // gone (see the destructor); they then find it marked dead.
    const std::shared_ptr<bool> alive = m_alive;
    m_window->onExposed = [this, alive](const QRegion& region) {
        if (*alive)
            onExposed(region);
    };
    m_window->onReparented = [this, alive](unsigned long parent, QPoint offset) {
        if (*alive) {
            const bool frameAround = parent != DefaultRootWindow(m_display) && offset.isNull();
            m_frame = frameAround ? parent : 0;
        }
    };
    m_window->onFocusIn = [this, alive] {
        if (*alive) {
            callOut([this] {
                if (onFocusIn)
                    onFocusIn();
            });
        }
    };
    m_window->onMousePress = [this, alive](QMouseEvent* event) {
        if (*alive)
            onMousePress(event);
    };
    m_window->onMouseMove = [this, alive](QMouseEvent* event) {
        if (*alive)
            onMouseMove(event);
    };
    m_window->onMouseRelease = [this, alive](QMouseEvent* event) {
        if (*alive)
            onMouseRelease(event);
    };

    m_applicationActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, m_window.get(),
                     [this](Qt::ApplicationState state) {
                         const bool active = state == Qt::ApplicationActive;
                         if (active == m_applicationActive)
                             return;
                         m_applicationActive = active;
                         callOut([this, active] {
                             if (onApplicationActivation)
                                 onApplicationActivation(active);
                         });
                     });
}

OverlayWindow::~OverlayWindow()
{
    *m_alive = false;
    if (m_compositor)
        m_compositor->forget(m_compositorFollower);
    if (m_desktopLayer) {
        m_desktopLayer->forget(m_layerFollower);
        m_desktopLayer->leave(this);
    }
    if (m_stacking)
        m_stacking->forget(nativeWindowId());
    m_upload.reset(); // before the X window it draws on
    QObject::disconnect(qGuiApp, nullptr, m_window.get(), nullptr);
    if (m_dragging)
        m_window->setMouseGrabEnabled(false);
    if (m_callsOut > 0) {
        // Ended from inside one of its own events: the window vanishes now,
        // the Qt object once that event is over.
        m_window->destroy();
        m_window.release()->deleteLater();
    }
}

template <typename Call> void OverlayWindow::callOut(const Call& call)
{
    const std::shared_ptr<bool> alive = m_alive;
    ++m_callsOut;
    call();
    if (*alive)
        --m_callsOut;
}

void OverlayWindow::setName(const QString& name)
{
    m_window->setTitle(name);
}

unsigned long OverlayWindow::nativeWindowId() const
{
    return m_display && m_window->handle() ? static_cast<unsigned long>(m_window->winId()) : 0;
}

bool OverlayWindow::usesSharedMemory() const
{
    return m_upload && m_upload->usesSharedMemory();
}

qreal OverlayWindow::pixelRatio() const
{
    return m_window->devicePixelRatio();
}

QRect OverlayWindow::toLogical(const QRect& physical) const
{
    // Qt keeps each screen's origin in device pixels and scales distances
    // from it.
    const QScreen* screen = QGuiApplication::screenAt(physical.center());
    if (!screen)
        screen = m_window->screen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    if (ratio == 1.0)
        return physical;
    const QPoint origin = screen->geometry().topLeft();
    const QPoint offset = physical.topLeft() - origin;
    return QRect(origin + QPoint(static_cast<int>(std::floor(offset.x() / ratio)),
                                 static_cast<int>(std::floor(offset.y() / ratio))),
                 QSize(static_cast<int>(std::ceil(physical.width() / ratio)),
                       static_cast<int>(std::ceil(physical.height() / ratio))));
}

QRect OverlayWindow::windowRectFor(const QRect& rect) const
{
    // WORKAROUND: openbox takes a frameless window exactly the size of a
    // monitor (or of the whole screen) for a full-screen program whenever no
    // other window has the focus, and lifts it above every window for good:
    // snow "on the desktop" would fall over the settings window and every
    // other. The X window of such a decoration is one row taller; the extra
    // row lies past the screen's edge and is never drawn on.
    if (!m_display || !m_clickThrough)
        return rect;
    const std::vector<QRect> monitors = X11Desktop::monitorRects(m_display);
    QRect screen;
    for (const QRect& monitor : monitors)
        screen |= monitor;
    const bool screenSized =
        rect == screen || std::find(monitors.begin(), monitors.end(), rect) != monitors.end();
    return screenSized ? rect.adjusted(0, 0, 0, 1) : rect;
}

void OverlayWindow::setGeometry(const QRect& rect)
{
    m_rect = rect;
    const QRect window = windowRectFor(rect);
    m_extraRows = window.height() - rect.height();
    m_window->setGeometry(toLogical(window));
    if (m_display) {
        ensureCreated();
        // Scaled logical pixels cannot name every physical pixel; the X
        // window gets the exact rectangle so the picture maps 1:1 to the screen.
        if ((pixelRatio() != 1.0 || m_extraRows) && window.width() > 0 && window.height() > 0)
            XMoveResizeWindow(m_display, nativeWindowId(), window.x(), window.y(),
                              static_cast<unsigned>(window.width()),
                              static_cast<unsigned>(window.height()));
    }
    if (!m_window->isVisible())
        showWithoutActivating();
    if (m_inLayer)
        m_desktopLayer->move(this, m_rect);
    else
        updateLayerMembership();
}

QRect OverlayWindow::geometry()
{
    const unsigned long window = nativeWindowId();
    if (!window || !m_window->isVisible())
        return m_rect;
    // The X server's answer in device pixels, which also follows a drag by
    // the window manager.
    const std::optional<QRect> rect = screenRectOf(m_display, window);
    if (!rect)
        return m_rect;
    return rect->adjusted(0, 0, 0, -m_extraRows);
}

void OverlayWindow::showWithoutActivating()
{
    if (m_display) {
        ensureCreated();
        addSkipTaskbarStates();
    }
    m_window->show();
    // Qt makes a tool window transient for the whole application when it
    // shows it; see leaveWindowGroup().
    if (m_display)
        XDeleteProperty(m_display, nativeWindowId(), XA_WM_TRANSIENT_FOR);
}

void OverlayWindow::leaveWindowGroup()
{
    // A window manager keeps a window that is transient for its group (as
    // Qt makes a tool window, and as openbox takes any utility window of a
    // group) above the application's other windows whatever its layer: snow
    // on the desktop would fall over the settings window. A decoration
    // belongs to no other window and to no group.
    const ::Window window = nativeWindowId();
    if (XWMHints* hints = XGetWMHints(m_display, window)) {
        if (hints->flags & WindowGroupHint) {
            hints->flags &= ~WindowGroupHint;
            XSetWMHints(m_display, window, hints);
        }
        XFree(hints);
    }
}

void OverlayWindow::addSkipTaskbarStates()
{
    // Qt names a tool window's type but leaves it in taskbars and pagers. On
    // a window not yet mapped the state property is ours to set, and Qt adds
    // its own states to it when it maps the window.
    const ::Window window = nativeWindowId();
    const Atom state = XInternAtom(m_display, "_NET_WM_STATE", False);
    std::vector<Atom> states = readProperty32(m_display, window, state, XA_ATOM);
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const Atom atom = XInternAtom(m_display, name, False);
        if (std::find(states.begin(), states.end(), atom) == states.end())
            states.push_back(atom);
    }
    XChangeProperty(m_display, window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(states.data()),
                    static_cast<int>(states.size()));
}

void OverlayWindow::ensureCreated()
{
    if (m_window->handle())
        return;
    m_window->create();
    leaveWindowGroup();
    if (m_background == Background::Desktop)
        XSetWindowBackgroundPixmap(m_display, nativeWindowId(), ParentRelative);
    // Nothing is drawn yet, and without a compositor nothing is shown.
    if (m_shapedByPixels)
        shapeByPixels(QRegion());
}

void OverlayWindow::onExposed(const QRegion& logical)
{
    if (m_clickThrough && !m_inputShapeRenewed) {
        // WORKAROUND: openbox frames a window with an input shape it reads
        // only when the shape changes after the window is managed; until then
        // its frame catches the clicks meant for the windows below. Switching
        // click-through off and on once the window shows fixes that.
        m_inputShapeRenewed = true;
        const Qt::WindowFlags flags = m_window->flags();
        m_window->setFlags(flags & ~Qt::WindowTransparentForInput);
        m_window->setFlags(flags);
    }
    // The server keeps no picture of a window that was covered or unmapped;
    // the kept one is shown again, no frame is drawn for it.
    if (!m_upload || m_upload->pixels().isNull())
        return;
    if (logical.isEmpty()) {
        sendWholePicture();
        return;
    }
    const qreal ratio = pixelRatio();
    for (const QRect& box : logical) {
        m_upload->send(
            QRectF(box.x() * ratio, box.y() * ratio, box.width() * ratio, box.height() * ratio)
                .toAlignedRect());
    }
    m_upload->flush();
}

void OverlayWindow::onCompositorChanged(bool compositorRuns)
{
    m_shapedByPixels = !compositorRuns;
    if (!m_window->handle())
        return;
    updateLayerMembership();
    if (m_inLayer)
        return;
    if (m_shapedByPixels)
        shapeByPixels(m_upload ? QRegion(QRect(QPoint(0, 0), m_upload->size())) : QRegion());
    else
        applyVisibleArea();
    // The compositor takes the window over (or hands it back) in its own
    // time after its selection changes, from a copy of the screen; the
    // picture is sent again now and once the change is surely done.
    sendWholePicture();
    const std::shared_ptr<bool> alive = m_alive;
    QTimer::singleShot(500, m_window.get(), [this, alive] {
        if (*alive)
            sendWholePicture();
    });
}

void OverlayWindow::updateLayerMembership()
{
    const bool belongs = m_desktopLayer && m_onDesktop && !m_rect.isEmpty() && m_window->handle() &&
                         m_desktopLayer->available();
    if (belongs == m_inLayer)
        return;
    if (belongs)
        enterLayer();
    else
        leaveLayer();
}

void OverlayWindow::enterLayer()
{
    // The picture so far moves into memory of its own, and the X window
    // stops showing anything.
    if (m_upload && !m_upload->pixels().isNull()) {
        m_upload->waitUntilSent();
        m_layerPicture = m_upload->pixels().copy();
        m_layerPictureIsBlank = false;
    } else {
        m_layerPicture = QImage();
    }
    m_upload.reset();
    m_inLayer = true;
    shapeByPixels(QRegion());
    XFlush(m_display);
    m_desktopLayer->join(this, m_rect, &m_layerPicture);
}

void OverlayWindow::leaveLayer()
{
    m_desktopLayer->leave(this);
    m_inLayer = false;
    if (!m_layerPicture.isNull() && prepareUpload(m_layerPicture.size())) {
        copyBox(m_layerPicture, m_upload->pixels(), m_layerPicture.rect(), 255);
        m_uploadIsBlank = false;
    }
    m_layerPicture = QImage();
    if (m_shapedByPixels)
        shapeByPixels(m_upload ? QRegion(QRect(QPoint(0, 0), m_upload->size())) : QRegion());
    else
        applyVisibleArea();
    sendWholePicture();
}

void OverlayWindow::sendWholePicture()
{
    if (!m_upload || m_upload->pixels().isNull())
        return;
    m_upload->send(QRect(QPoint(0, 0), m_upload->size()));
    m_upload->flush();
}

bool OverlayWindow::prepareUpload(const QSize& size)
{
    if (!m_display || size.isEmpty())
        return false;
    ensureCreated();
    if (!m_upload || m_upload->size() != size) {
        m_upload = std::make_unique<X11PictureUpload>(
            m_display, nativeWindowId(), size,
            m_background == Background::Desktop ? X11PictureUpload::Delivery::OverBackground
                                                : X11PictureUpload::Delivery::Copy);
        m_uploadIsNew = true;
        m_uploadIsBlank = true;
    }
    return !m_upload->pixels().isNull();
}

QImage* OverlayWindow::frameBuffer(const QSize& size, bool& blank)
{
    blank = false;
    if (m_inLayer) {
        if (m_layerPicture.size() != size) {
            m_layerPicture = blankPicture(size);
            m_layerPictureIsBlank = true;
        }
        if (m_layerPicture.isNull())
            return nullptr;
        blank = std::exchange(m_layerPictureIsBlank, false);
        return &m_layerPicture;
    }
    if (!prepareUpload(size))
        return nullptr;
    m_upload->waitUntilSent();
    blank = std::exchange(m_uploadIsBlank, false);
    return &m_upload->pixels();
}

void OverlayWindow::present(const QImage& frame, const QRegion& changed, uint8_t constantAlpha)
{
    if (m_inLayer && !frame.isNull()) {
        QRegion area = changed;
        if (m_layerPicture.size() != frame.size()) {
            m_layerPicture = blankPicture(frame.size());
            area = QRegion(frame.rect());
        }
        if (constantAlpha != m_lastAlpha)
            area = QRegion(frame.rect());
        m_lastAlpha = constantAlpha;
        m_layerPictureIsBlank = false;
        if (m_layerPicture.isNull())
            return;
        area &= frame.rect();
        if (frame.constBits() != m_layerPicture.constBits()) {
            const QImage premultiplied = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            for (const QRect& box : area)
                copyBox(premultiplied, m_layerPicture, box, constantAlpha);
        }
        m_desktopLayer->update(this, area);
        return;
    }
    if (frame.isNull() || !prepareUpload(frame.size()))
        return;
    QRegion area = changed;
    if (m_uploadIsNew || constantAlpha != m_lastAlpha)
        area = QRegion(frame.rect());
    m_uploadIsNew = false;
    m_lastAlpha = constantAlpha;
    area &= frame.rect();
    // A frame painted in place is already where the server reads it.
    if (frame.constBits() != m_upload->pixels().constBits()) {
        const QImage premultiplied = frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        m_upload->waitUntilSent();
        m_uploadIsBlank = false;
        for (const QRect& box : area)
            copyBox(premultiplied, m_upload->pixels(), box, constantAlpha);
    }
    // The shape first: pixels sent outside the window's shape are lost.
    if (m_shapedByPixels)
        shapeByPixels(area);
    if (!m_window->isExposed())
        return; // shown whole at the next exposure
    for (const QRect& box : area)
        m_upload->send(box);
    m_upload->flush();
}

void OverlayWindow::setVisibleArea(const QRegion& area)
{
    m_visibleArea = area;
    if (!m_display)
        return;
    ensureCreated();
    if (!m_shapedByPixels && !m_inLayer)
        applyVisibleArea();
}

void OverlayWindow::applyVisibleArea()
{
    // The bounding shape only: the input shape that lets clicks through is
    // separate and stays as it is.
    const ::Window window = nativeWindowId();
    if (!m_visibleArea) {
        XShapeCombineMask(m_display, window, ShapeBounding, 0, 0, 0, ShapeSet);
    } else {
        std::vector<XRectangle> rectangles;
        rectangles.reserve(static_cast<size_t>(m_visibleArea->rectCount()));
        for (const QRect& box : *m_visibleArea)
            rectangles.push_back(toXRectangle(box));
        XShapeCombineRectangles(m_display, window, ShapeBounding, 0, 0, rectangles.data(),
                                static_cast<int>(rectangles.size()), ShapeSet, YXBanded);
    }
    XFlush(m_display);
}

void OverlayWindow::shapeByPixels(const QRegion& area)
{
    // Where the window takes clicks (the tree), it takes them on this shape
    // too: the input shape is cut by the bounding one.
    if (m_upload && area.isEmpty())
        return;
    const ::Window window = nativeWindowId();
    std::vector<XRectangle> shown;
    if (m_upload && !m_upload->pixels().isNull())
        shown = shownPixels(m_upload->pixels(), area & QRect(QPoint(0, 0), m_upload->size()));
    // (QRegion::contains(QRect) only says whether they overlap.)
    const bool whole =
        !m_upload || QRegion(QRect(QPoint(0, 0), m_upload->size())).subtracted(area).isEmpty();
    if (!whole) {
        // Only the changed boxes are cut out and filled again. A window
        // manager's frame shows its own (black) background wherever its
        // shape reaches beyond the window's: it is cut first, here, and
        // given the window's shape at the end, rather than whenever the
        // window manager gets to it.
        std::vector<XRectangle> changed;
        changed.reserve(static_cast<size_t>(area.rectCount()));
        for (const QRect& box : area)
            changed.push_back(toXRectangle(box));
        for (const ::Window shaped : {static_cast<::Window>(m_frame), window}) {
            if (shaped) {
                XShapeCombineRectangles(m_display, shaped, ShapeBounding, 0, 0, changed.data(),
                                        static_cast<int>(changed.size()), ShapeSubtract, YXBanded);
            }
        }
    }
    XShapeCombineRectangles(m_display, window, ShapeBounding, 0, 0, shown.data(),
                            static_cast<int>(shown.size()), whole ? ShapeSet : ShapeUnion,
                            Unsorted);
    if (m_frame)
        XShapeCombineShape(m_display, m_frame, ShapeBounding, 0, 0, window, ShapeBounding,
                           ShapeSet);
}

void OverlayWindow::setZOrder(bool topmost)
{
    if (m_background == Background::Desktop) {
        m_window->lower();
        if (m_stacking)
            m_stacking->keepLowest(nativeWindowId());
        return;
    }
    m_onDesktop = !topmost;
    // The window manager keeps the window in the layer above or below all
    // normal windows; the restack then puts it at the top or bottom now,
    // which on a desktop without window manager is all there is.
    Qt::WindowFlags flags =
        m_window->flags() & ~(Qt::WindowStaysOnTopHint | Qt::WindowStaysOnBottomHint);
    flags |= topmost ? Qt::WindowStaysOnTopHint : Qt::WindowStaysOnBottomHint;
    m_window->setFlags(flags);
    if (topmost)
        m_window->raise();
    else
        m_window->lower();
    if (m_stacking)
        m_stacking->keep(nativeWindowId(), topmost);
    updateLayerMembership();
    if (m_inLayer)
        m_desktopLayer->restack(this, false);
}

void OverlayWindow::raise()
{
    m_window->raise();
    if (m_inLayer)
        m_desktopLayer->restack(this, true);
}

bool OverlayWindow::keepAbove(QWindow* window)
{
    if (!m_display || !m_stacking)
        return false;
    ensureCreated();
    // A window Qt has not made yet has nothing to be stacked against.
    const unsigned long target = window && window->handle() ? window->winId() : 0;
    const std::shared_ptr<bool> alive = m_alive;
    m_stacking->keepAbove(nativeWindowId(), target, [this, alive](const QRect& outline) {
        if (*alive && onKeptAboveMoved)
            callOut([this, &outline] { onKeptAboveMoved(outline); });
    });
    return target != 0;
}

bool OverlayWindow::startSystemMove()
{
    if (m_window->startSystemMove())
        return true;
    // No window manager to move it: follow the pointer until the button is
    // released.
    m_dragging = true;
    m_dragStartCorner = geometry().topLeft();
    m_window->setMouseGrabEnabled(true);
    return false;
}

void OverlayWindow::onMousePress(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressGlobal = event->globalPosition();
    const QPoint point = (event->position() * pixelRatio()).toPoint();
    callOut([this, point] {
        if (onLeftButtonDown)
            onLeftButtonDown(point);
    });
}

void OverlayWindow::onMouseMove(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const QPoint moved = ((event->globalPosition() - m_pressGlobal) * pixelRatio()).toPoint();
    setGeometry(QRect(m_dragStartCorner + moved, m_rect.size()));
}

void OverlayWindow::onMouseRelease(QMouseEvent* event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    m_window->setMouseGrabEnabled(false);
}

} // namespace platform
