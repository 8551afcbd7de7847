#include "decorations/FrameCompositor.h"

#include <QPainter>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

// A changed area larger than this share of the picture is cheaper to repaint
// and push as one rectangle than as a pile of band pieces.
constexpr int64_t kWholePicturePercent = 60;

uint64_t mix(uint64_t seed, uint64_t value)
{
    // The hash only sorts items into buckets; the comparison after it is exact.
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
    return seed;
}

uint64_t mixReal(uint64_t seed, qreal value)
{
    return mix(seed, std::bit_cast<uint64_t>(static_cast<double>(value)));
}

bool sameReal(qreal a, qreal b)
{
    return std::bit_cast<uint64_t>(static_cast<double>(a)) ==
           std::bit_cast<uint64_t>(static_cast<double>(b));
}

bool sameRect(const QRectF& a, const QRectF& b)
{
    return sameReal(a.x(), b.x()) && sameReal(a.y(), b.y()) && sameReal(a.width(), b.width()) &&
           sameReal(a.height(), b.height());
}

bool sameTransform(const QTransform& a, const QTransform& b)
{
    return sameReal(a.m11(), b.m11()) && sameReal(a.m12(), b.m12()) && sameReal(a.m13(), b.m13()) &&
           sameReal(a.m21(), b.m21()) && sameReal(a.m22(), b.m22()) && sameReal(a.m23(), b.m23()) &&
           sameReal(a.m31(), b.m31()) && sameReal(a.m32(), b.m32()) && sameReal(a.m33(), b.m33());
}

bool samePath(const QPainterPath& a, const QPainterPath& b)
{
    if (a.fillRule() != b.fillRule() || a.elementCount() != b.elementCount())
        return false;
    for (int i = 0; i < a.elementCount(); ++i) {
        const QPainterPath::Element ea = a.elementAt(i);
        const QPainterPath::Element eb = b.elementAt(i);
        if (ea.type != eb.type || !sameReal(ea.x, eb.x) || !sameReal(ea.y, eb.y))
            return false;
    }
    return true;
}

// The picture's identity without its edit count: Qt counts every in-place
// change of a picture in the low half of its cache key.
qint64 pictureIdentity(qint64 cacheKey)
{
    return cacheKey >> 32;
}

// The whole pixels an item may touch, with one pixel to spare for smoothing
// and antialiasing, cut to the picture.
QRect touchedPixels(const QRectF& area, const QRect& picture)
{
    if (!std::isfinite(area.x()) || !std::isfinite(area.y()) || !std::isfinite(area.width()) ||
        !std::isfinite(area.height()))
        return picture;
    const QRectF limited = area.intersected(QRectF(picture).adjusted(-2, -2, 2, 2));
    if (limited.isEmpty())
        return {};
    return limited.toAlignedRect().adjusted(-1, -1, 1, 1).intersected(picture);
}

} // namespace

FrameCompositor::ItemPrint FrameCompositor::printOf(const FrameDrawing::Item& item) const
{
    ItemPrint print;
    print.kind = item.kind;
    print.transform = item.transform;
    uint64_t hash = mix(0, static_cast<uint64_t>(item.kind));
    const QTransform& t = item.transform;
    for (qreal m :
         {t.m11(), t.m12(), t.m13(), t.m21(), t.m22(), t.m23(), t.m31(), t.m32(), t.m33()})
        hash = mixReal(hash, m);
    const QRect picture = m_image.rect();
    switch (item.kind) {
    case FrameDrawing::Item::Kind::Image:
        print.pictureKey = item.image.cacheKey();
        print.target = item.target;
        hash = mix(hash, static_cast<uint64_t>(pictureIdentity(print.pictureKey)));
        for (qreal v :
             {item.target.x(), item.target.y(), item.target.width(), item.target.height()})
            hash = mixReal(hash, v);
        if (t.type() <= QTransform::TxTranslate && item.target.width() == item.image.width() &&
            item.target.height() == item.image.height()) {
            const QPointF corner = item.target.topLeft() + QPointF(t.dx(), t.dy());
            if (corner.x() == std::floor(corner.x()) && corner.y() == std::floor(corner.y()) &&
                std::abs(corner.x()) < 1e6 && std::abs(corner.y()) < 1e6) {
                print.plainPicture = true;
                print.plainOrigin = corner.toPoint();
                print.bounds = QRect(print.plainOrigin, item.image.size()).intersected(picture);
                break;
            }
        }
        print.bounds = touchedPixels(t.mapRect(item.target), picture);
        break;
    case FrameDrawing::Item::Kind::Path:
        print.path = item.path;
        print.colour = item.colour;
        print.smooth = item.smooth;
        hash = mix(hash, item.colour.rgba64());
        hash = mix(hash, static_cast<uint64_t>(item.smooth));
        hash = mix(hash, static_cast<uint64_t>(item.path.elementCount()));
        if (!item.path.isEmpty()) {
            const QPainterPath::Element first = item.path.elementAt(0);
            hash = mixReal(mixReal(hash, first.x), first.y);
            print.bounds = touchedPixels(t.mapRect(item.path.controlPointRect()), picture);
        }
        break;
    }
    print.hash = hash;
    return print;
}

bool FrameCompositor::samePicture(const ItemPrint& previous, const ItemPrint& next,
                                  bool editsAreNamed)
{
    if (previous.pictureKey == next.pictureKey)
        return true;
    // The same picture changed in place (a pile that gained a flake): its
    // decoration names the changed pixels, so the rest of it still stands.
    return editsAreNamed &&
           pictureIdentity(previous.pictureKey) == pictureIdentity(next.pictureKey);
}

bool FrameCompositor::sameItem(const ItemPrint& previous, const ItemPrint& next, bool editsAreNamed)
{
    if (previous.hash != next.hash || previous.kind != next.kind ||
        !sameTransform(previous.transform, next.transform))
        return false;
    switch (next.kind) {
    case FrameDrawing::Item::Kind::Image:
        return sameRect(previous.target, next.target) && samePicture(previous, next, editsAreNamed);
    case FrameDrawing::Item::Kind::Path:
        return previous.colour == next.colour && previous.smooth == next.smooth &&
               samePath(previous.path, next.path);
    }
    return false;
}

QRegion FrameCompositor::update(const FrameDrawing& drawing, const QSize& size, QImage* target,
                                bool targetIsBlank)
{
    if (target &&
        (target->size() != size || target->format() != QImage::Format_ARGB32_Premultiplied))
        target = nullptr;
    const bool sameMemory =
        target ? m_imageIsTarget && m_image.constBits() == target->constBits() : !m_imageIsTarget;
    if (m_image.size() != size || m_image.isNull() || !sameMemory || (target && targetIsBlank)) {
        if (target) {
            // A view of the target's memory, not a shared copy: writing to a
            // shared copy would detach it from that memory.
            m_image = QImage(target->bits(), size.width(), size.height(), target->bytesPerLine(),
                             QImage::Format_ARGB32_Premultiplied);
        } else {
            m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        }
        m_imageIsTarget = target != nullptr;
        m_previous.clear();
        if (m_image.isNull())
            return {};
        repaintAll(drawing, !(target && targetIsBlank));
        return QRegion(m_image.rect());
    }

    const std::vector<FrameDrawing::Item>& items = drawing.items();
    m_next.clear();
    for (const FrameDrawing::Item& item : items)
        m_next.push_back(printOf(item));

    // Items drawn again unchanged and in the same order as before leave their
    // pixels alone; everything else is repainted where it was and where it is.
    m_previousByHash.clear();
    for (uint32_t i = 0; i < m_previous.size(); ++i)
        m_previousByHash.emplace_back(m_previous[i].hash, i);
    std::sort(m_previousByHash.begin(), m_previousByHash.end());
    m_previousMatched.assign(m_previous.size(), false);
    m_nextMatched.assign(m_next.size(), false);
    const bool editsAreNamed = !drawing.changedAreas().empty();
    uint32_t firstFree = 0; // matches keep the drawing order
    for (size_t j = 0; j < m_next.size(); ++j) {
        const uint64_t hash = m_next[j].hash;
        auto it = std::lower_bound(m_previousByHash.begin(), m_previousByHash.end(),
                                   std::make_pair(hash, firstFree));
        for (; it != m_previousByHash.end() && it->first == hash; ++it) {
            if (sameItem(m_previous[it->second], m_next[j], editsAreNamed)) {
                m_previousMatched[it->second] = true;
                m_nextMatched[j] = true;
                firstFree = it->second + 1;
                break;
            }
        }
    }

    m_boxes.clear();
    for (size_t i = 0; i < m_previous.size(); ++i)
        if (!m_previousMatched[i])
            addBox(m_previous[i].bounds);
    for (size_t j = 0; j < m_next.size(); ++j)
        if (!m_nextMatched[j])
            addBox(m_next[j].bounds);
    for (const QRect& area : drawing.changedAreas())
        addBox(area.intersected(m_image.rect()));

    m_previous.swap(m_next);
    if (m_boxes.empty())
        return {};

    // Antialiased edges and smoothed pictures come out slightly different
    // when painted through a clip, so such an item touching the changed area
    // is repainted whole and its box joins the area; only plain pictures at
    // whole pixels are copied piece by piece.
    QRegion changed = bandedRegion();
    m_repaintWhole.assign(m_previous.size(), false);
    for (bool grown = true; grown;) {
        grown = false;
        for (size_t j = 0; j < m_previous.size(); ++j) {
            const ItemPrint& print = m_previous[j];
            if (m_nextMatched[j] && !print.plainPicture && !m_repaintWhole[j] &&
                changed.intersects(print.bounds)) {
                m_repaintWhole[j] = true;
                addBox(print.bounds);
                grown = true;
            }
        }
        if (grown)
            changed = bandedRegion();
    }

    int64_t changedPixels = 0;
    for (const QRect& rect : m_rects)
        changedPixels += int64_t(rect.width()) * rect.height();
    const int64_t allPixels = int64_t(m_image.width()) * m_image.height();
    if (changedPixels * 100 > allPixels * kWholePicturePercent) {
        repaintAll(drawing);
        return QRegion(m_image.rect());
    }

    uchar* const bits = m_image.bits();
    const qsizetype bytesPerLine = m_image.bytesPerLine();
    for (const QRect& rect : m_rects) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            std::memset(bits + y * bytesPerLine + rect.left() * 4, 0, size_t(rect.width()) * 4);
    }
    QPainter painter(&m_image);
    const QRect extent = changed.boundingRect();
    for (size_t j = 0; j < items.size(); ++j) {
        const ItemPrint& print = m_previous[j];
        if (!print.bounds.intersects(extent))
            continue;
        if (print.plainPicture) {
            paintPlainPicturePieces(painter, items[j], print);
        } else if (!m_nextMatched[j] || m_repaintWhole[j]) {
            paintItem(painter, items[j]);
        }
    }
    return changed;
}

void FrameCompositor::paintPlainPicturePieces(QPainter& painter, const FrameDrawing::Item& item,
                                              const ItemPrint& print)
{
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QPoint origin = print.plainOrigin;
    const QRect& bounds = print.bounds;
    // The rectangles run top to bottom in bands that never overlap, so only
    // those from the first band reaching the picture onward can meet it.
    auto rect = std::lower_bound(m_rects.begin(), m_rects.end(), bounds.top(),
                                 [](const QRect& r, int top) { return r.bottom() < top; });
    for (; rect != m_rects.end() && rect->top() <= bounds.bottom(); ++rect) {
        const int left = std::max(rect->left(), bounds.left());
        const int right = std::min(rect->right(), bounds.right());
        if (left > right)
            continue;
        const int top = std::max(rect->top(), bounds.top());
        const int bottom = std::min(rect->bottom(), bounds.bottom());
        const QRect piece(QPoint(left, top), QPoint(right, bottom));
        painter.drawImage(piece.topLeft(), item.image, piece.translated(-origin));
    }
}

void FrameCompositor::addBox(const QRect& box)
{
    if (!box.isEmpty())
        m_boxes.push_back(box);
}

QRegion FrameCompositor::bandedRegion()
{
    QRegion region = bandedRegion(kBandHeight, 0);
    if (m_rects.size() > kCrowdedPieces)
        region = bandedRegion(kCrowdedBandHeight, kCrowdedMergeGap);
    return region;
}

QRegion FrameCompositor::bandedRegion(int bandHeight, int mergeGap)
{
    m_spans.clear();
    for (const QRect& box : m_boxes) {
        for (int band = box.top() / bandHeight; band <= box.bottom() / bandHeight; ++band)
            m_spans.push_back({band, box.left(), box.right() + 1});
    }
    std::sort(m_spans.begin(), m_spans.end(), [](const BandSpan& a, const BandSpan& b) {
        return a.band != b.band ? a.band < b.band : a.left < b.left;
    });
    // Merge within each band (touching pieces too: a region never holds two
    // rectangles side by side, and those at most mergeGap columns apart),
    // then let a band that repeats the band above it exactly extend that
    // band's rectangles downward.
    m_rects.clear();
    size_t groupStart = 0;
    size_t groupCount = 0;
    int groupBand = -2;
    size_t i = 0;
    while (i < m_spans.size()) {
        const int band = m_spans[i].band;
        const int top = band * bandHeight;
        const int height = std::min(bandHeight, m_image.height() - top);
        const size_t bandStart = m_rects.size();
        while (i < m_spans.size() && m_spans[i].band == band) {
            int left = m_spans[i].left;
            int right = m_spans[i].right;
            ++i;
            while (i < m_spans.size() && m_spans[i].band == band &&
                   m_spans[i].left <= right + mergeGap) {
                right = std::max(right, m_spans[i].right);
                ++i;
            }
            m_rects.emplace_back(left, top, right - left, height);
        }
        const size_t bandCount = m_rects.size() - bandStart;
        bool repeats = groupBand == band - 1 && bandCount == groupCount;
        for (size_t k = 0; repeats && k < bandCount; ++k)
            repeats = m_rects[groupStart + k].left() == m_rects[bandStart + k].left() &&
                      m_rects[groupStart + k].right() == m_rects[bandStart + k].right();
        if (repeats) {
            for (size_t k = 0; k < groupCount; ++k)
                m_rects[groupStart + k].setBottom(top + height - 1);
            m_rects.resize(bandStart);
        } else {
            groupStart = bandStart;
            groupCount = bandCount;
        }
        groupBand = band;
    }
    QRegion region;
    region.setRects(m_rects.data(), static_cast<int>(m_rects.size()));
    return region;
}

void FrameCompositor::repaintAll(const FrameDrawing& drawing, bool clear)
{
    if (clear)
        m_image.fill(Qt::transparent);
    QPainter painter(&m_image);
    m_previous.clear();
    for (const FrameDrawing::Item& item : drawing.items()) {
        paintItem(painter, item);
        m_previous.push_back(printOf(item));
    }
}

void FrameCompositor::reset()
{
    m_image = QImage();
    m_imageIsTarget = false;
    m_previous.clear();
}

void FrameCompositor::paintItem(QPainter& painter, const FrameDrawing::Item& item)
{
    painter.setTransform(item.transform);
    // Every hint is set for each item, so an item looks the same whichever
    // items were painted before it.
    switch (item.kind) {
    case FrameDrawing::Item::Kind::Image:
        painter.setRenderHint(QPainter::Antialiasing, false);
        // Sampled smoothly whenever its pixels do not land one to one: a
        // picture turned by nearest pixels breaks into a stipple.
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              item.target.size() != QSizeF(item.image.size()) ||
                                  item.transform.type() > QTransform::TxTranslate);
        painter.drawImage(item.target, item.image);
        break;
    case FrameDrawing::Item::Kind::Path:
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setRenderHint(QPainter::Antialiasing, item.smooth);
        painter.fillPath(item.path, item.colour);
        break;
    }
}
