#include "ArtRandom.h"
#include "ArtRegistry.h"
#include "TreeFoliage.h"
#include "TreeKinds.h"
#include "TreeOrnaments.h"

#include "vocabulary/TreePictures.h"

#include <cmath>
#include <vector>

void TreeKinds::paintBow(ArtSink& sink)
{
    const QSize size(300, 500);
    TreeShape shape;
    shape.centreX = 150;
    shape.apexY = 58;
    shape.baseY = 392;
    shape.halfWidth = 126;
    shape.trunkBottomY = 433;
    shape.tiers = 6;
    TreePalette palette;
    palette.shadow = QColor(5, 32, 24);
    palette.body = QColor(18, 82, 50);
    palette.light = QColor(58, 132, 80);
    palette.tip = QColor(105, 170, 100);
    palette.trunk = QColor(100, 62, 35);
    const TreeFoliage foliage(shape, palette, 0xb0e);
    const double height = shape.baseY - shape.apexY;

    QImage base = blankFrame(size);
    std::vector<QPointF> lights;
    std::vector<QPointF> bows;
    {
        QPainter painter(&base);
        painter.setRenderHint(QPainter::Antialiasing);
        TreeOrnaments::pot(painter, QRectF(104, 428, 92, 68), QColor(238, 228, 210),
                           QColor(215, 170, 60));
        foliage.paint(painter);
        TreeOrnaments::bow(painter, QPointF(150, 462), 16, QColor(205, 20, 35));

        for (int k = 0; k < 5; ++k) {
            const double y0 = shape.apexY + height * (0.16 + 0.18 * k);
            const double y1 = y0 + height * 0.05;
            TreeOrnaments::beads(painter,
                                 QPointF(shape.centreX - foliage.halfWidthAt(y0) * 0.78, y0),
                                 QPointF(shape.centreX + foliage.halfWidthAt(y1) * 0.78, y1),
                                 height * 0.05, QColor(215, 165, 40));
        }

        // The bows sit in rows across the front, more of them lower down.
        ArtRandom random(0xb0b);
        const int perRow[] = {1, 2, 2, 3};
        const double rowAt[] = {0.22, 0.43, 0.65, 0.88};
        for (int row = 0; row < 4; ++row) {
            const double y = shape.apexY + height * rowAt[row];
            const double reach = foliage.halfWidthAt(y) * 0.62;
            for (int i = 0; i < perRow[row]; ++i) {
                const double u = perRow[row] == 1 ? 0.0 : -1.0 + 2.0 * i / (perRow[row] - 1);
                const QPointF at(shape.centreX + u * reach + random.range(-4, 4),
                                 y + random.range(-5, 5));
                TreeOrnaments::bow(painter, at, 20 + 7 * rowAt[row], QColor(205, 20, 35));
                bows.push_back(at);
            }
        }
        for (int attempt = 0; attempt < 600 && lights.size() < 46; ++attempt) {
            const QPointF spot =
                foliage.spotOnFront(random, shape.apexY + 25, shape.baseY + 12, 0.86);
            bool crowded = false;
            for (const QPointF& other : lights)
                crowded = crowded || std::hypot(spot.x() - other.x(), spot.y() - other.y()) < 20;
            for (const QPointF& knot : bows)
                crowded =
                    crowded || std::hypot(spot.x() - knot.x(), 1.6 * (spot.y() - knot.y())) < 26;
            if (!crowded)
                lights.push_back(spot);
        }
    }

    const QPointF topper(150, 40);
    for (int frame = 0; frame < 2; ++frame) {
        QImage image = base;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // Two sets of lights take turns, so the tree twinkles in place.
        for (size_t i = 0; i < lights.size(); ++i) {
            const bool on = static_cast<int>(i % 2) == frame;
            TreeOrnaments::bulb(painter, lights[i], 7, QColor(255, 214, 130), on ? 1.0 : 0.12);
        }
        TreeOrnaments::flatGlow(painter, topper, 46, topper.y() - 1, QColor(255, 200, 150),
                                frame == 0 ? 0.35 : 0.2);
        TreeOrnaments::bow(painter, topper, 34, QColor(210, 22, 38));
        painter.end();
        sink.add(QStringLiteral("png/%1.png").arg(kBowTreePictures[static_cast<size_t>(frame)]),
                 image);
    }
}
