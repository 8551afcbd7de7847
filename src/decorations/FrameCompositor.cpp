#include "decorations/FrameCompositor.h"

#include <QPainter>

QRegion FrameCompositor::update(const FrameDrawing& drawing, const QSize& size)
{
    if (m_image.size() != size)
        m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::transparent);
    if (m_image.isNull())
        return {};
    QPainter painter(&m_image);
    for (const FrameDrawing::Item& item : drawing.items())
        paintItem(painter, item);
    return QRegion(m_image.rect());
}

void FrameCompositor::reset()
{
    m_image = QImage();
}

void FrameCompositor::paintItem(QPainter& painter, const FrameDrawing::Item& item)
{
    painter.setTransform(item.transform);
    switch (item.kind) {
    case FrameDrawing::Item::Kind::Image:
        painter.setRenderHint(QPainter::SmoothPixmapTransform,
                              item.target.size() != QSizeF(item.image.size()));
        painter.drawImage(item.target, item.image);
        break;
    case FrameDrawing::Item::Kind::Path:
        painter.setRenderHint(QPainter::Antialiasing, item.smooth);
        painter.fillPath(item.path, item.colour);
        break;
    }
}
