#include "decorations/DrawingOutline.h"

#include <utility>
#include <vector>

QRegion DrawingOutline(const FrameDrawing& drawing, const QSize& window, int cell)
{
    if (window.isEmpty() || cell <= 0)
        return QRegion();
    const int columns = (window.width() + cell - 1) / cell;
    const int rows = (window.height() + cell - 1) / cell;
    std::vector<bool> covered(static_cast<size_t>(columns) * static_cast<size_t>(rows), false);
    const QRect windowRect(QPoint(0, 0), window);
    for (const FrameDrawing::Item& item : drawing.items()) {
        QRect box;
        if (item.kind == FrameDrawing::Item::Kind::Image) {
            box = item.transform.mapRect(item.target).toAlignedRect();
        } else {
            // Antialiased edges reach a pixel past the path.
            box =
                item.transform.map(item.path).boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
        }
        box &= windowRect;
        if (box.isEmpty())
            continue;
        for (int row = box.top() / cell; row <= box.bottom() / cell; ++row) {
            for (int column = box.left() / cell; column <= box.right() / cell; ++column)
                covered[static_cast<size_t>(row * columns + column)] = true;
        }
    }
    // Runs of covered cells, one row at a time; rows with the same runs as
    // the row above only make its band taller, so a garland's two side
    // strips stay two rectangles however tall the screen.
    using Runs = std::vector<std::pair<int, int>>; // first column, end column
    auto runsOf = [&](int row) {
        Runs runs;
        int column = 0;
        while (column < columns) {
            if (!covered[static_cast<size_t>(row * columns + column)]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns && covered[static_cast<size_t>(row * columns + column)])
                ++column;
            runs.emplace_back(first, column);
        }
        return runs;
    };
    QRegion outline;
    auto addBand = [&](const Runs& runs, int firstRow, int endRow) {
        for (const auto& [first, end] : runs) {
            outline += QRect(first * cell, firstRow * cell, (end - first) * cell,
                             (endRow - firstRow) * cell) &
                       windowRect;
        }
    };
    Runs band;
    int bandStart = 0;
    for (int row = 0; row < rows; ++row) {
        Runs runs = runsOf(row);
        if (runs == band)
            continue;
        addBand(band, bandStart, row);
        band = std::move(runs);
        bandStart = row;
    }
    addBand(band, bandStart, rows);
    return outline;
}
