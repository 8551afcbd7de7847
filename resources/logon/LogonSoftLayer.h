#pragma once

#include "LogonPainting.h"

// A layer at a fraction of the canvas for soft light and out-of-focus
// shapes that get blurred: painting it small keeps the blur cheap. Draw in
// full canvas coordinates; `finish` blurs it and hands it back.
class LogonSoftLayer final {
public:
    explicit LogonSoftLayer(int divisor = 4)
        : m_image(logon::newCanvas(QSize(logon::kWidth / divisor, logon::kHeight / divisor))),
          m_painter(&m_image)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.scale(1.0 / divisor, 1.0 / divisor);
    }

    QPainter& painter() { return m_painter; }

    QImage finish(int blurRadius)
    {
        m_painter.end();
        logon::blur(m_image, blurRadius);
        return m_image;
    }

private:
    QImage m_image;
    QPainter m_painter;
};
