#include "ArtRandom.h"
#include "ArtRegistry.h"
#include "TreeFoliage.h"
#include "TreeKinds.h"
#include "TreeOrnaments.h"

#include "vocabulary/TreePictures.h"

#include <QLinearGradient>

#include <cmath>
#include <optional>
#include <vector>

namespace {

struct Shine {
    QPointF at;
    double size;
};

// Where the band of shimmer stands in each picture, by its place among the
// tree's pictures, or none when the tree rests: it sweeps up from the foot to the star, the star
// shines for a while, then the band runs back down quicker.
std::optional<double> shimmerHeight(size_t frame, double top, double bottom)
{
    const double span = bottom - top;
    switch (frame) {
    case 1:
        return bottom;
    case 2:
        return bottom - span * 0.25;
    case 3:
        return bottom - span * 0.5;
    case 4:
        return bottom - span * 0.75;
    case 5:
        return top;
    case 7:
        return top + span * 0.2;
    case 8:
        return top + span * 0.55;
    case 9:
        return top + span * 0.9;
    default:
        return std::nullopt;
    }
}

} // namespace

void TreeKinds::paintSilver(ArtSink& sink)
{
    const QSize size(300, 355);
    TreeShape shape;
    shape.centreX = 150;
    shape.apexY = 46;
    shape.baseY = 270;
    shape.halfWidth = 124;
    shape.trunkBottomY = 300;
    shape.tiers = 4;
    TreePalette palette;
    palette.shadow = QColor(40, 50, 72);
    palette.body = QColor(138, 150, 172);
    palette.light = QColor(226, 233, 246);
    palette.tip = QColor(255, 255, 255);
    palette.trunk = QColor(125, 115, 110);
    const TreeFoliage foliage(shape, palette, 0x51e);
    const double height = shape.baseY - shape.apexY;

    QImage base = blankFrame(size);
    std::vector<Shine> shines;
    {
        QPainter painter(&base);
        painter.setRenderHint(QPainter::Antialiasing);
        TreeOrnaments::pot(painter, QRectF(110, 296, 80, 56), QColor(175, 182, 195),
                           QColor(225, 229, 238));
        foliage.paint(painter);

        for (int k = 0; k < 4; ++k) {
            const double y0 = shape.apexY + height * (0.2 + 0.22 * k);
            const double y1 = y0 + height * 0.06;
            TreeOrnaments::beads(painter,
                                 QPointF(shape.centreX - foliage.halfWidthAt(y0) * 0.78, y0),
                                 QPointF(shape.centreX + foliage.halfWidthAt(y1) * 0.78, y1),
                                 height * 0.06, QColor(205, 210, 222));
        }
        ArtRandom random(0x5117);
        const QColor silver[] = {QColor(185, 192, 205), QColor(235, 237, 242),
                                 QColor(150, 165, 190)};
        std::vector<QPointF> placed;
        for (int attempt = 0; attempt < 400 && placed.size() < 13; ++attempt) {
            const QPointF spot =
                foliage.spotOnFront(random, shape.apexY + 40, shape.baseY + 8, 0.8);
            bool crowded = false;
            for (const QPointF& other : placed)
                crowded = crowded || std::hypot(spot.x() - other.x(), spot.y() - other.y()) < 40;
            if (crowded)
                continue;
            placed.push_back(spot);
            const double radius = 7 + 4 * (spot.y() - shape.apexY) / height;
            TreeOrnaments::bauble(painter, spot, radius, silver[placed.size() % 3]);
            shines.push_back({spot + QPointF(-radius * 0.38, -radius * 0.42), 9 + radius * 0.5});
        }
        for (int i = 0; i < 45; ++i)
            shines.push_back({foliage.spotOnFront(random, shape.apexY + 10, shape.baseY + 20, 0.95),
                              random.range(8, 13)});
    }

    const QPointF starCentre(150, 30);
    const double sweepTop = shape.apexY - 10, sweepBottom = shape.baseY + 40;
    for (size_t frame = 0; frame < kSilverTreePictures.size(); ++frame) {
        QImage image = base;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const auto band = shimmerHeight(frame, sweepTop, sweepBottom);
        if (band) {
            // A soft brightening over the crown only, not the desktop.
            const double reach = 46;
            QLinearGradient light(0, *band - reach, 0, *band + reach);
            light.setColorAt(0.0, QColor(255, 255, 255, 0));
            light.setColorAt(0.5, QColor(255, 255, 255, 150));
            light.setColorAt(1.0, QColor(255, 255, 255, 0));
            painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            painter.fillRect(QRectF(0, *band - reach, size.width(), 2 * reach), light);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            for (const Shine& shine : shines) {
                const double distance = std::abs(shine.at.y() - *band) / 26.0;
                TreeOrnaments::glint(painter, shine.at, shine.size * 1.3, QColor(150, 190, 255),
                                     std::exp(-distance * distance));
            }
        }
        // The star shines out while the tree rests at the top of the sweep.
        const bool starLit = frame == 6 || frame == 5 || frame == 7;
        TreeOrnaments::flatGlow(painter, starCentre, starLit ? 58 : 38, starCentre.y() - 1,
                                QColor(225, 235, 255), starLit ? 1.0 : 0.5);
        if (frame == 6)
            TreeOrnaments::rays(painter, starCentre, 48, QColor(240, 245, 255), 0.9, 0);
        TreeOrnaments::star(painter, starCentre, 22, QColor(222, 226, 236));
        if (starLit)
            TreeOrnaments::glint(painter, starCentre + QPointF(-7, -7), 14, QColor(235, 242, 255),
                                 1.0);
        painter.end();
        sink.add(QStringLiteral("png/%1.png").arg(kSilverTreePictures[frame]), image);
    }
}
