// The 84 pictures of the light garland: wired bulbs in five colours, strawberry
// bulbs, a string of small white bulbs, pine branches with small lights, a
// decorated pine swag, icicle strings, glass ball lights, coloured backlight
// glows and snowflake lights.
#include "ArtRegistry.h"
#include "GarlandBalls.h"
#include "GarlandBulbs.h"
#include "GarlandIcicles.h"
#include "GarlandPine.h"
#include "GarlandPreview.h"
#include "GarlandSnowflakes.h"

#include <QString>

#include <array>

namespace {

void add(ArtSink& sink, int id, const QImage& image)
{
    sink.add(QStringLiteral("png/%1.png").arg(id), image);
}

struct ColouredIds {
    GarlandHue hue;
    int straightUnlit, straightLit, cornerUnlit, cornerLit;
};

void paintBulbs(ArtSink& sink)
{
    using namespace GarlandPalette;
    const std::array<ColouredIds, 5> classic{{{blue(), 141, 142, 139, 140},
                                              {green(), 143, 144, 149, 150},
                                              {orange(), 145, 146, 151, 152},
                                              {red(), 147, 148, 153, 154},
                                              {yellow(), 157, 158, 155, 156}}};
    const std::array<ColouredIds, 5> strawberry{{{blue(), 162, 163, 164, 165},
                                                 {green(), 173, 172, 180, 179},
                                                 {orange(), 171, 170, 178, 177},
                                                 {red(), 169, 168, 176, 161},
                                                 {yellow(), 167, 166, 175, 174}}};
    auto paintSet = [&sink](GarlandBulbShape shape, const std::array<ColouredIds, 5>& set) {
        for (const ColouredIds& c : set) {
            add(sink, c.straightUnlit, paintGarlandBulb(shape, c.hue, false, false));
            add(sink, c.straightLit, paintGarlandBulb(shape, c.hue, true, false));
            add(sink, c.cornerUnlit, paintGarlandBulb(shape, c.hue, false, true));
            add(sink, c.cornerLit, paintGarlandBulb(shape, c.hue, true, true));
        }
    };
    paintSet(GarlandBulbShape::Classic, classic);
    paintSet(GarlandBulbShape::Strawberry, strawberry);
    add(sink, 159, paintGarlandBulb(GarlandBulbShape::Mini, warmWhite(), false, false));
    add(sink, 160, paintGarlandBulb(GarlandBulbShape::Mini, warmWhite(), true, false));
}

void paintPine(ArtSink& sink)
{
    add(sink, 181, paintPineBranch());
    add(sink, 182, paintPineSwag());
    add(sink, 183, paintPineLight(false));
    add(sink, 184, paintPineLight(true));
    add(sink, 185, paintPineSwagLights(false));
    add(sink, 186, paintPineSwagLights(true));
}

void paintIcicles(ArtSink& sink)
{
    for (int variant = 0; variant < 5; ++variant) {
        add(sink, 234 + 2 * variant, paintIcicleString(variant, false));
        add(sink, 235 + 2 * variant, paintIcicleString(variant, true));
    }
}

void paintBalls(ArtSink& sink)
{
    using namespace GarlandPalette;
    const std::array<ColouredIds, 4> balls{{{blue(), 544, 545, 497, 499},
                                            {green(), 504, 505, 502, 503},
                                            {red(), 508, 509, 506, 507},
                                            {yellow(), 512, 513, 510, 511}}};
    for (const ColouredIds& c : balls) {
        add(sink, c.straightUnlit, paintBallLight(c.hue, false, false));
        add(sink, c.straightLit, paintBallLight(c.hue, true, false));
        add(sink, c.cornerUnlit, paintBallLight(c.hue, false, true));
        add(sink, c.cornerLit, paintBallLight(c.hue, true, true));
    }
}

void paintBacklight(ArtSink& sink)
{
    using namespace GarlandPalette;
    add(sink, 515, paintBacklightGlow(blue()));
    add(sink, 516, paintBacklightGlow(green()));
    add(sink, 517, paintBacklightGlow(red()));
    add(sink, 518, paintBacklightGlow(yellow()));
    // Switched off, the backlight shows nothing at all.
    QImage off(96, 96, QImage::Format_ARGB32_Premultiplied);
    off.fill(Qt::transparent);
    add(sink, 519, off);
}

void paintSnowflakes(ArtSink& sink)
{
    using namespace GarlandPalette;
    add(sink, 521, paintSnowflakeLight(blue(), true));
    add(sink, 522, paintSnowflakeLight(green(), true));
    add(sink, 524, paintSnowflakeLight(red(), true));
    add(sink, 525, paintSnowflakeLight(yellow(), true));
    add(sink, 523, paintSnowflakeLight(blue(), false));
}

void paintGarland(ArtSink& sink)
{
    paintBulbs(sink);
    paintPine(sink);
    paintIcicles(sink);
    paintBalls(sink);
    paintBacklight(sink);
    paintSnowflakes(sink);
}

const ArtGroupRegistration registration("garland", &paintGarland, &previewGarland);

} // namespace
