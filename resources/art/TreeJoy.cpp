#include "ArtRandom.h"
#include "ArtRegistry.h"
#include "TreeFoliage.h"
#include "TreeKinds.h"
#include "TreeOrnaments.h"

#include "vocabulary/TreePictures.h"

#include <QPainterPath>

#include <cmath>
#include <vector>

namespace {

struct Light {
    QPointF at;
    QColor colour;
};

// The light strings: swags across the front of the crown, each dipping in
// the middle and running a little downhill as if wound round the tree.
std::vector<std::vector<QPointF>> garlandSwags(const TreeFoliage& foliage)
{
    const TreeShape& shape = foliage.shape();
    const double height = shape.baseY - shape.apexY;
    std::vector<std::vector<QPointF>> swags;
    for (int k = 0; k < 5; ++k) {
        const double y0 = shape.apexY + height * (0.2 + k * 0.17);
        const double y1 = y0 + height * 0.07;
        const QPointF left(shape.centreX - foliage.halfWidthAt(y0) * 0.8, y0);
        const QPointF right(shape.centreX + foliage.halfWidthAt(y1) * 0.8, y1);
        const QPointF sag = (left + right) / 2.0 + QPointF(0, height * 0.075);
        std::vector<QPointF> points;
        for (int i = 0; i <= 60; ++i) {
            const double s = i / 60.0, u = 1 - s;
            points.push_back(left * (u * u) + sag * (2 * u * s) + right * (s * s));
        }
        swags.push_back(points);
    }
    return swags;
}

std::vector<Light> garlandLights(const std::vector<std::vector<QPointF>>& swags)
{
    // Six colours against a chase of five steps, so each step of the chase
    // lights a mixture of colours rather than one colour at a time.
    const QColor colours[] = {QColor(255, 50, 50),  QColor(255, 210, 40), QColor(60, 220, 90),
                              QColor(70, 140, 255), QColor(255, 90, 220), QColor(60, 225, 235)};
    std::vector<Light> lights;
    int index = 0;
    for (const auto& swag : swags) {
        double travelled = 8;
        for (size_t i = 1; i < swag.size(); ++i) {
            travelled += std::hypot(swag[i].x() - swag[i - 1].x(), swag[i].y() - swag[i - 1].y());
            if (travelled >= 19) {
                travelled = 0;
                lights.push_back({swag[i] + QPointF(0, 5), colours[index % 6]});
                ++index;
            }
        }
    }
    return lights;
}

} // namespace

void TreeKinds::paintJoy(ArtSink& sink)
{
    const QSize size(400, 443);
    TreeShape shape;
    shape.centreX = 200;
    shape.apexY = 50;
    shape.baseY = 330;
    shape.halfWidth = 168;
    shape.trunkBottomY = 375;
    shape.tiers = 5;
    TreePalette palette;
    palette.shadow = QColor(8, 40, 22);
    palette.body = QColor(22, 98, 44);
    palette.light = QColor(70, 155, 62);
    palette.tip = QColor(125, 190, 85);
    palette.trunk = QColor(110, 70, 40);
    const TreeFoliage foliage(shape, palette, 0x10e1);

    QImage base = blankFrame(size);
    {
        QPainter painter(&base);
        painter.setRenderHint(QPainter::Antialiasing);
        TreeOrnaments::tub(painter, QRectF(160, 372, 80, 66), QColor(150, 90, 45),
                           QColor(170, 170, 175));
        foliage.paint(painter);
        TreeOrnaments::present(painter, QRectF(58, 392, 62, 46), QColor(200, 30, 40),
                               QColor(240, 200, 70));
        TreeOrnaments::present(painter, QRectF(112, 412, 38, 28), QColor(60, 160, 80),
                               QColor(230, 40, 50));
        TreeOrnaments::present(painter, QRectF(278, 398, 56, 40), QColor(50, 90, 200),
                               QColor(235, 235, 245));

        // Baubles spread over the front, never crowding each other.
        const QColor colours[] = {QColor(210, 25, 35),   QColor(230, 175, 30),
                                  QColor(40, 90, 215),   QColor(170, 50, 190),
                                  QColor(200, 205, 215), QColor(240, 110, 20)};
        ArtRandom random(0x70e);
        std::vector<QPointF> placed;
        int colour = 0;
        for (int attempt = 0; attempt < 400 && placed.size() < 17; ++attempt) {
            const QPointF spot =
                foliage.spotOnFront(random, shape.apexY + 50, shape.baseY + 10, 0.8);
            bool crowded = false;
            for (const QPointF& other : placed)
                crowded = crowded || std::hypot(spot.x() - other.x(), spot.y() - other.y()) < 42;
            if (crowded)
                continue;
            placed.push_back(spot);
            const double t = (spot.y() - shape.apexY) / (shape.baseY - shape.apexY);
            TreeOrnaments::bauble(painter, spot, 7 + 5 * t, colours[colour++ % 6]);
        }

        QPen wire(QColor(20, 50, 25), 1.3);
        painter.setPen(wire);
        painter.setBrush(Qt::NoBrush);
        for (const auto& swag : garlandSwags(foliage)) {
            QPainterPath path(swag.front());
            for (const QPointF& p : swag)
                path.lineTo(p);
            painter.drawPath(path);
        }
    }

    const std::vector<Light> lights = garlandLights(garlandSwags(foliage));
    const QPointF starCentre(200, 38);
    for (int frame = 0; frame < 6; ++frame) {
        QImage image = base;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        // The first five frames chase a wave of light along the strings; the
        // last, the picture the tree rests on, has every light burning.
        const bool resting = frame == 5;
        for (size_t i = 0; i < lights.size(); ++i) {
            const int phase = static_cast<int>((i + 5 * 100 - frame) % 5);
            const double lit = resting ? 1.0
                                       : (phase == 0   ? 1.0
                                          : phase == 1 ? 0.55
                                          : phase == 4 ? 0.2
                                                       : 0.0);
            TreeOrnaments::bulb(painter, lights[i].at, 9, lights[i].colour, lit);
        }
        TreeOrnaments::flatGlow(painter, starCentre, resting ? 60 : 46, starCentre.y() - 1,
                                QColor(255, 220, 120), resting ? 0.9 : 0.6);
        if (resting)
            TreeOrnaments::rays(painter, starCentre, 46, QColor(255, 240, 190), 0.7, 22);
        TreeOrnaments::star(painter, starCentre, 27, QColor(250, 195, 40));
        painter.end();
        sink.add(QStringLiteral("png/%1.png").arg(kJoyTreePictures[static_cast<size_t>(frame)]),
                 image);
    }
}
