#include "ArtRandom.h"
#include "ArtRegistry.h"
#include "TreeFoliage.h"
#include "TreeKinds.h"
#include "TreeOrnaments.h"

#include "vocabulary/TreePictures.h"

#include <cmath>
#include <vector>

void TreeKinds::paintSnowy(ArtSink& sink)
{
    const QSize size(300, 392);
    TreeShape shape;
    shape.centreX = 150;
    shape.apexY = 50;
    shape.baseY = 300;
    shape.halfWidth = 128;
    shape.trunkBottomY = 350;
    shape.tiers = 5;
    TreePalette palette;
    palette.shadow = QColor(8, 36, 30);
    palette.body = QColor(26, 84, 58);
    palette.light = QColor(70, 130, 92);
    palette.tip = QColor(110, 165, 115);
    palette.trunk = QColor(100, 70, 50);
    palette.cover = TreeCover::Snow;
    const TreeFoliage foliage(shape, palette, 0x5a0);
    const double height = shape.baseY - shape.apexY;

    QImage base = blankFrame(size);
    {
        QPainter painter(&base);
        painter.setRenderHint(QPainter::Antialiasing);
        foliage.paint(painter);
        TreeOrnaments::snowMound(painter, QRectF(44, 330, 212, 55), QColor(252, 253, 255),
                                 QColor(165, 185, 215));
        ArtRandom random(0x5e0);
        std::vector<QPointF> placed;
        for (int attempt = 0; attempt < 400 && placed.size() < 7; ++attempt) {
            const QPointF spot = foliage.spotOnFront(random, shape.apexY + 50, shape.baseY, 0.72);
            bool crowded = false;
            for (const QPointF& other : placed)
                crowded = crowded || std::hypot(spot.x() - other.x(), spot.y() - other.y()) < 55;
            if (crowded)
                continue;
            placed.push_back(spot);
            TreeOrnaments::bauble(painter, spot, 6.5 + 3 * (spot.y() - shape.apexY) / height,
                                  QColor(200, 25, 35));
        }
        const QPointF starCentre(150, 36);
        TreeOrnaments::flatGlow(painter, starCentre, 40, starCentre.y() - 1, QColor(255, 225, 140),
                                0.6);
        TreeOrnaments::star(painter, starCentre, 22, QColor(245, 195, 50));
        // A little snow settled on the star's upper points.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(250, 252, 255));
        painter.drawEllipse(QPointF(146, 25), 5, 2.4);
        painter.drawEllipse(QPointF(138, 32), 3.2, 1.6);
    }

    // Two different scatterings of flakes take turns, so snow seems to keep
    // falling round the tree.
    for (int frame = 0; frame < 2; ++frame) {
        QImage image = base;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ArtRandom random(frame == 0 ? 0xf1a : 0xf1b);
        for (int i = 0; i < 90; ++i) {
            const QPointF at(random.range(6, size.width() - 6),
                             random.range(6, size.height() - 40));
            const bool crystal = random.chance(0.12);
            TreeOrnaments::flake(painter, at,
                                 crystal ? random.range(3.5, 5) : random.range(1.3, 3.2),
                                 random.range(0.65, 1.0), crystal);
        }
        painter.end();
        sink.add(QStringLiteral("png/%1.png").arg(kSnowyTreePictures[static_cast<size_t>(frame)]),
                 image);
    }
}
