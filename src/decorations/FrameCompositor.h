#pragma once

#include "decorations/FrameDrawing.h"

#include <QImage>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <utility>
#include <vector>

class QPainter;

// Keeps a decoration window's picture from one frame to the next and brings it
// up to date with the frame's drawing, reporting which area changed. The
// picture always equals the drawing painted on a fully transparent picture.
//
// Only what changed is repainted: items that appeared or vanished since the
// previous frame and the areas the drawing names as changed. Those boxes are
// snapped to bands of kBandHeight rows and merged within each band. The X
// server, and the compositing manager after it, pay mostly per row of each
// rectangle in each full-screen picture they touch, and a little per
// rectangle: short bands keep the rows close to the flakes' own while 270
// moving flakes still give a few hundred band pieces instead of thousands of
// slivers (32-row bands cost the X server about a third more). A crowded
// frame (the cursor's trail of overlapping stars, the densest snow) is cut
// into bands twice as tall, where pieces a few columns apart are sent as
// one: the server merges each rectangle it is sent into the area it tracks
// as changed, at a cost that grows with the rectangles already there, so
// halving them is worth the extra rows and columns (with the pointer moving
// the X server spends about a twentieth less; the snow of a first run, at
// 100 to 125 pieces a frame, costs more cut that way).
class FrameCompositor final {
public:
    static constexpr int kBandHeight = 8;
    static constexpr int kCrowdedBandHeight = 16;
    // More band pieces than this make a frame crowded.
    static constexpr size_t kCrowdedPieces = 128;
    // In a crowded frame, pieces of one band at most this many columns apart
    // are sent as one rectangle.
    static constexpr int kCrowdedMergeGap = 30;

    // Brings the picture up to date; returns the changed area (window
    // coordinates). With a target (premultiplied ARGB of that size, kept
    // between frames) the picture lives in the target's memory, else in
    // memory of its own; a new target, or one said to be blank (fully
    // transparent, new memory), is painted in full, a blank one without
    // clearing it first so that the memory the items do not cover is never
    // touched.
    QRegion update(const FrameDrawing& drawing, const QSize& size, QImage* target = nullptr,
                   bool targetIsBlank = false);
    // Premultiplied ARGB, the window's size. With a target it points into
    // the target's memory and is valid only as long as that memory.
    const QImage& image() const { return m_image; }
    // Forgets the picture (the window went away).
    void reset();

    static void paintItem(QPainter& painter, const FrameDrawing::Item& item);

private:
    // What is needed to tell whether an item of the previous frame is drawn
    // again unchanged, without keeping its picture alive (a kept reference
    // would make a decoration's in-place change copy the whole picture).
    struct ItemPrint {
        FrameDrawing::Item::Kind kind = FrameDrawing::Item::Kind::Image;
        qint64 pictureKey = 0; // the picture's identity and its edit count
        QRectF target;
        QPainterPath path;
        QColor colour;
        bool smooth = false;
        QTransform transform;
        uint64_t hash = 0;
        QRect bounds; // pixels the item may touch, within the picture
        // A picture at its own size at whole pixels: copied, never smoothed,
        // so it can be repainted piece by piece.
        bool plainPicture = false;
        QPoint plainOrigin;
    };

    // One band piece: columns [left, right) of band `band`.
    struct BandSpan {
        int band;
        int left;
        int right;
    };

    ItemPrint printOf(const FrameDrawing::Item& item) const;
    static bool samePicture(const ItemPrint& previous, const ItemPrint& next, bool editsAreNamed);
    static bool sameItem(const ItemPrint& previous, const ItemPrint& next, bool editsAreNamed);
    void addBox(const QRect& box);
    // The changed boxes snapped to bands, of the crowded height and with
    // narrow gaps closed when there are many; m_rects holds the region's
    // rectangles.
    QRegion bandedRegion();
    QRegion bandedRegion(int bandHeight, int mergeGap);
    void repaintAll(const FrameDrawing& drawing, bool clear = true);
    void paintPlainPicturePieces(QPainter& painter, const FrameDrawing::Item& item,
                                 const ItemPrint& print);

    QImage m_image;
    bool m_imageIsTarget = false;
    std::vector<ItemPrint> m_previous;
    std::vector<ItemPrint> m_next;
    std::vector<bool> m_previousMatched;
    std::vector<bool> m_nextMatched;
    std::vector<bool> m_repaintWhole;
    std::vector<std::pair<uint64_t, uint32_t>> m_previousByHash;
    std::vector<QRect> m_boxes;
    std::vector<BandSpan> m_spans;
    std::vector<QRect> m_rects;
};
