#pragma once

#include "decorations/FrameDrawing.h"

#include <QImage>
#include <QRegion>
#include <QSize>

class QPainter;

// Keeps a decoration window's picture from one frame to the next and brings it
// up to date with the frame's drawing, reporting which area changed. The
// picture always equals the drawing painted on a fully transparent picture.
class FrameCompositor final {
public:
    // Brings the picture up to date; returns the changed area (window coordinates).
    QRegion update(const FrameDrawing& drawing, const QSize& size);
    // Premultiplied ARGB, the window's size.
    const QImage& image() const { return m_image; }
    // Forgets the picture (the window went away).
    void reset();

    static void paintItem(QPainter& painter, const FrameDrawing::Item& item);

private:
    QImage m_image;
};
