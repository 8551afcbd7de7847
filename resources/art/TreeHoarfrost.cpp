#include "ArtRandom.h"
#include "ArtRegistry.h"
#include "TreeFoliage.h"
#include "TreeKinds.h"
#include "TreeOrnaments.h"

#include "vocabulary/TreePictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Sparkle {
    QPointF at;
    double size;
    int band; // which of the five frames lights it first
};

} // namespace

void TreeKinds::paintHoarfrost(ArtSink& sink)
{
    const QSize size(300, 431);
    TreeShape shape;
    shape.centreX = 150;
    shape.apexY = 50;
    shape.baseY = 340;
    shape.halfWidth = 128;
    shape.trunkBottomY = 392;
    shape.tiers = 5;
    TreePalette palette;
    palette.shadow = QColor(16, 38, 58);
    palette.body = QColor(58, 100, 140);
    palette.light = QColor(150, 195, 232);
    palette.tip = QColor(215, 236, 255);
    palette.trunk = QColor(95, 85, 82);
    palette.cover = TreeCover::Frost;
    const TreeFoliage foliage(shape, palette, 0xf205);
    const double height = shape.baseY - shape.apexY;

    QImage base = blankFrame(size);
    std::vector<Sparkle> sparkles;
    {
        QPainter painter(&base);
        painter.setRenderHint(QPainter::Antialiasing);
        foliage.paint(painter);
        TreeOrnaments::snowMound(painter, QRectF(52, 370, 196, 55), QColor(250, 252, 255),
                                 QColor(150, 180, 215));

        ArtRandom random(0x1ce);
        // Icicles hang from the ends of the outer branches.
        for (int i = 0; i < 14; ++i) {
            const double y = shape.apexY + height * random.range(0.2, 0.98);
            const double sideSign = i % 2 ? 1.0 : -1.0;
            const double x =
                shape.centreX + sideSign * foliage.halfWidthAt(y) * random.range(0.6, 0.85);
            TreeOrnaments::icicle(painter, QPointF(x, y + height * 0.04), random.range(9, 18),
                                  random.range(3, 4.5));
        }
        const QColor ice[] = {QColor(150, 200, 245), QColor(225, 235, 250), QColor(95, 150, 220)};
        std::vector<QPointF> placed;
        for (int attempt = 0; attempt < 400 && placed.size() < 10; ++attempt) {
            const QPointF spot = foliage.spotOnFront(random, shape.apexY + 45, shape.baseY, 0.75);
            bool crowded = false;
            for (const QPointF& other : placed)
                crowded = crowded || std::hypot(spot.x() - other.x(), spot.y() - other.y()) < 48;
            if (crowded)
                continue;
            placed.push_back(spot);
            TreeOrnaments::bauble(painter, spot, 7.5 + 3.5 * (spot.y() - shape.apexY) / height,
                                  ice[placed.size() % 3]);
        }
        // Glints wait on the rime, mostly towards the branch ends.
        for (int i = 0; i < 70; ++i) {
            const QPointF spot =
                foliage.spotOnFront(random, shape.apexY + 12, shape.baseY + 15, 0.95);
            const double t = (spot.y() - shape.apexY + random.range(-10, 10)) / (height + 15);
            const int band = std::clamp(static_cast<int>(t * 5.0), 0, 4);
            sparkles.push_back({spot, random.range(11, 19), band});
        }
        for (int i = 0; i < 12; ++i) {
            const QPointF spot(random.range(70, 230), random.range(380, 405));
            sparkles.push_back({spot, random.range(6, 11), 4});
        }
    }

    const QPointF starCentre(150, 34);
    for (int frame = 0; frame < 5; ++frame) {
        QImage image = base;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // A wave of glints runs down the frosted crown, one band per frame,
        // the band above still fading.
        for (const Sparkle& sparkle : sparkles) {
            const int age = (frame - sparkle.band + 5) % 5;
            const double strength = age == 0 ? 1.0 : age == 1 ? 0.45 : 0.0;
            TreeOrnaments::glint(painter, sparkle.at, sparkle.size * (age == 0 ? 1.0 : 0.7),
                                 QColor(90, 170, 255), strength);
        }
        TreeOrnaments::flatGlow(painter, starCentre, 44, starCentre.y() - 1, QColor(190, 225, 255),
                                frame == 0 ? 0.9 : 0.55);
        TreeOrnaments::star(painter, starCentre, 24, QColor(200, 225, 250));
        if (frame == 0)
            TreeOrnaments::glint(painter, starCentre + QPointF(-8, -8), 16, QColor(210, 235, 255),
                                 1.0);
        painter.end();
        sink.add(
            QStringLiteral("png/%1.png").arg(kHoarfrostTreePictures[static_cast<size_t>(frame)]),
            image);
    }
}
