#pragma once

#include <QImage>
#include <QPainter>

// A picture painted at several times its final size and shrunk at the end, so
// thin wires, needles and facets come out smooth at the garland's real size.
// Painters get a QPainter already scaled: they draw in final-size pixels.
class GarlandSurface final {
public:
    GarlandSurface(QSize size, int oversample);

    QSize size() const { return m_size; }
    QImage& canvas() { return m_canvas; }

    // A painter in final-size pixel units with antialiasing switched on.
    void begin(QPainter& painter);

    QImage result() const;

private:
    QSize m_size;
    int m_oversample;
    QImage m_canvas;
};
