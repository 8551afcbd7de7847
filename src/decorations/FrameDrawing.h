#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QTransform>

#include <vector>

// Everything one frame of a decoration draws, in drawing order, on a fully
// transparent picture of the window's size. A decoration fills it from scratch
// on every frame; the window then paints only what differs from the previous
// frame and pushes only that to the screen, so a few moving flakes don't cost a
// full-screen upload. Tests read the list directly, without a display.
class FrameDrawing final {
public:
    struct Item {
        enum class Kind { Image, Path };
        Kind kind = Kind::Image;
        // Kind::Image: the picture (implicitly shared, so a decoration may
        // turn or change its own copy afterwards), drawn scaled into target.
        QImage image;
        QRectF target;
        // Kind::Path: filled with colour, antialiased when smooth.
        QPainterPath path;
        QColor colour;
        bool smooth = false;
        // World transform in force while the item is drawn.
        QTransform transform;
    };

    // The picture at its own size with its top-left corner at (x, y).
    void drawImage(const QImage& image, int x, int y)
    {
        drawImage(image, QRectF(x, y, image.width(), image.height()));
    }
    // The picture stretched into the rectangle. A null picture draws nothing.
    void drawImage(const QImage& image, const QRectF& target)
    {
        if (image.isNull())
            return;
        Item item;
        item.kind = Item::Kind::Image;
        item.image = image;
        item.target = target;
        item.transform = m_transform;
        m_items.push_back(std::move(item));
    }
    void fillPath(const QPainterPath& path, const QColor& colour, bool smooth)
    {
        Item item;
        item.kind = Item::Kind::Path;
        item.path = path;
        item.colour = colour;
        item.smooth = smooth;
        item.transform = m_transform;
        m_items.push_back(std::move(item));
    }

    void setTransform(const QTransform& transform) { m_transform = transform; }
    void resetTransform() { m_transform = QTransform(); }
    const QTransform& transform() const { return m_transform; }

    // A picture that keeps its identity but changed its pixels (a snow pile
    // that gained a flake) names the changed window area here, so that area
    // is repainted even though the item list looks the same. A frame that
    // names no area at all gets every picture changed in place repainted
    // whole; one that names any is trusted to have named all such changes.
    void addChangedArea(const QRect& area) { m_changedAreas.push_back(area); }

    const std::vector<Item>& items() const { return m_items; }
    const std::vector<QRect>& changedAreas() const { return m_changedAreas; }
    bool isEmpty() const { return m_items.empty(); }

    void clear()
    {
        m_items.clear();
        m_changedAreas.clear();
        m_transform = QTransform();
    }

private:
    std::vector<Item> m_items;
    std::vector<QRect> m_changedAreas;
    QTransform m_transform;
};
