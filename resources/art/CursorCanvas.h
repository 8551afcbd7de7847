#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

// A small picture for the pointer effects, drawn at several times its size and
// averaged down so curves and thin ribbons come out smoothly antialiased. A
// soft dark rim is laid under the finished drawing so it stays readable over
// light and dark desktops alike.
class CursorCanvas final {
public:
    explicit CursorCanvas(QSize size, int oversample = 4);
    ~CursorCanvas();
    CursorCanvas(const CursorCanvas&) = delete;
    CursorCanvas& operator=(const CursorCanvas&) = delete;

    // Antialiased, in the final picture's pixels.
    QPainter& painter() { return *m_painter; }

    // rimWidth in final pixels; rimOpacity 0 leaves the drawing as it is.
    QImage finish(double rimWidth = 1.0, double rimOpacity = 0.5);

private:
    QSize m_size;
    int m_factor;
    QImage m_large;
    std::unique_ptr<QPainter> m_painter;
};
