// The pictures of the pointer effects: pendants, the bow, the circling flower,
// the spinning wreath and the falling presents.
#include "ArtRegistry.h"
#include "CursorOrnaments.h"
#include "CursorPresents.h"

#include "vocabulary/PictureIds.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <optional>

namespace {

void paintCursor(ArtSink& sink)
{
    sink.add(QStringLiteral("png/%1.png").arg(kStockingPicture), CursorOrnaments::stocking());
    sink.add(QStringLiteral("png/%1.png").arg(kBallPicture), CursorOrnaments::ball());
    sink.add(QStringLiteral("png/%1.png").arg(kBellsPicture), CursorOrnaments::bells());
    sink.add(QStringLiteral("png/%1.png").arg(kWreathPicture), CursorOrnaments::wreath());
    sink.add(QStringLiteral("png/%1.png").arg(kBowPicture), CursorOrnaments::bow());
    sink.add(QStringLiteral("png/%1.png").arg(kEuphorbiaPicture), CursorOrnaments::poinsettia());
    sink.add(QStringLiteral("png/%1.png").arg(kSpinningWreathPicture),
             CursorOrnaments::spinningWreath());
    static_assert(static_cast<int>(kPresentPictures.size()) == CursorPresents::kCount);
    for (int i = 0; i < CursorPresents::kCount; ++i)
        sink.add(QStringLiteral("png/%1.png").arg(kPresentPictures[static_cast<size_t>(i)]),
                 CursorPresents::present(i));
}

// Where each picture sits relative to the pointer's hot spot, and the point a
// pendant swings about, both in pointer coordinates.
struct Placement {
    const char* id;
    QPoint topLeft;
    std::optional<QPoint> pivot;
};

const Placement kPlacements[] = {
    {"551", {-7, 15}, QPoint(8, 20)},  {"576", {-12, 18}, QPoint(8, 20)},
    {"577", {-9, 6}, QPoint(8, 20)},   {"578", {-8, 16}, QPoint(8, 20)},
    {"579", {-8, 11}, std::nullopt},   {"580", {16, 16}, QPoint(0, 0)},
    {"581", {-30, -30}, QPoint(2, 2)},
};

QPainterPath arrowPointer()
{
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 17);
    arrow.lineTo(4, 13);
    arrow.lineTo(7, 19.5);
    arrow.lineTo(9.5, 18.5);
    arrow.lineTo(6.5, 12);
    arrow.lineTo(12, 12);
    arrow.closeSubpath();
    return arrow;
}

// The picture with the pointer over it as a user would see it, `scale` times
// enlarged without smoothing so single pixels can be judged.
QImage pointerScene(const QImage& picture, const Placement& place, int scale, const QColor& ground)
{
    const QRect pictureRect(place.topLeft, picture.size());
    const QRect bounds = pictureRect.united(QRect(0, 0, 13, 21)).adjusted(-3, -3, 3, 3);
    QImage scene(bounds.size() * scale, QImage::Format_ARGB32_Premultiplied);
    scene.fill(ground);
    QPainter p(&scene);
    p.scale(scale, scale);
    p.translate(-bounds.topLeft());
    p.drawImage(pictureRect, picture);
    p.setRenderHint(QPainter::Antialiasing);
    if (scale == 1) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(arrowPointer());
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0 / scale * 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arrowPointer());
        if (place.pivot) {
            const QPointF pivot = QPointF(*place.pivot) + QPointF(0.5, 0.5) / 1.0;
            p.setPen(QPen(QColor(0, 230, 255), 2.0 / scale));
            p.drawLine(pivot - QPointF(2, 0), pivot + QPointF(2, 0));
            p.drawLine(pivot - QPointF(0, 2), pivot + QPointF(0, 2));
        }
    }
    return scene;
}

QImage presentStrip(const QImage& present, const QColor& ground)
{
    const int sizes[] = {8, 16, 28, 48, 72};
    QImage strip(400, 100, QImage::Format_ARGB32_Premultiplied);
    strip.fill(ground);
    QPainter p(&strip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    int x = 10, angle = 0;
    for (const int size : sizes) {
        p.save();
        p.translate(x + size / 2.0, 50);
        p.rotate(angle);
        p.drawImage(QRectF(-size / 2.0, -size / 2.0, size, size), present);
        p.restore();
        x += size + 14;
        angle += 35;
    }
    return strip;
}

QImage previewCursor(const std::map<QString, QImage>& pictures)
{
    const QColor dark(0x24, 0x28, 0x30), light(0xe6, 0xe6, 0xe2);
    std::vector<std::vector<QImage>> rows;
    for (const Placement& place : kPlacements) {
        const auto found = pictures.find(QStringLiteral("png/%1.png").arg(QLatin1String(place.id)));
        if (found == pictures.end())
            continue;
        rows.push_back({pointerScene(found->second, place, 1, dark),
                        pointerScene(found->second, place, 1, light),
                        pointerScene(found->second, place, 4, dark),
                        pointerScene(found->second, place, 4, light)});
    }
    for (int id = 583; id <= 587; ++id) {
        const auto found = pictures.find(QStringLiteral("png/%1.png").arg(id));
        if (found == pictures.end())
            continue;
        QImage onDark(found->second.size() + QSize(8, 8), QImage::Format_ARGB32_Premultiplied);
        onDark.fill(dark);
        QImage onLight = onDark;
        onLight.fill(light);
        QPainter(&onDark).drawImage(4, 4, found->second);
        QPainter(&onLight).drawImage(4, 4, found->second);
        rows.push_back({onDark, onLight, presentStrip(found->second, dark),
                        presentStrip(found->second, light)});
    }
    int width = 0, height = 10;
    for (const auto& row : rows) {
        int rowWidth = 10, rowHeight = 0;
        for (const QImage& cell : row) {
            rowWidth += cell.width() + 10;
            rowHeight = std::max(rowHeight, cell.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + 10;
    }
    QImage page(width, height, QImage::Format_ARGB32_Premultiplied);
    page.fill(QColor(0x50, 0x50, 0x50));
    QPainter p(&page);
    int y = 10;
    for (const auto& row : rows) {
        int x = 10, rowHeight = 0;
        for (const QImage& cell : row) {
            p.drawImage(x, y, cell);
            x += cell.width() + 10;
            rowHeight = std::max(rowHeight, cell.height());
        }
        y += rowHeight + 10;
    }
    return page;
}

const ArtGroupRegistration registration("cursor", &paintCursor, &previewCursor);

} // namespace
