#include "pages/CoverFit.h"

#include <QImage>
#include <QPainter>

QRect CoverFitRect(QSize picture, QSize target)
{
    const float w = static_cast<float>(picture.width());
    const float h = static_cast<float>(picture.height());
    const float W = static_cast<float>(target.width());
    const float H = static_cast<float>(target.height());
    float x = 0.0f;
    float y = 0.0f;
    float width = W;
    float height = H;
    if (W / H < w / h) {
        width = (H / h) * w;
        x = 0.0f - (width - W) * 0.5f;
    } else {
        height = (W / w) * h;
        y = 0.0f - (height - H) * 0.5f;
    }
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                 static_cast<int>(height));
}

QImage RenderCoverFit(const QImage& picture, QSize target)
{
    if (picture.isNull() || target.isEmpty())
        return QImage();
    QImage frame(target, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    // Whole pixels repeated or dropped, as the system's plain stretch does:
    // the logon screen shows the picture at its own sharpness.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(CoverFitRect(picture.size(), target), picture);
    return frame;
}
