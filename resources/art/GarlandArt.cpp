// The 84 pictures of the light garland: wired bulbs in five colours, strawberry
// bulbs, a string of small white bulbs, pine branches with small lights, a
// decorated pine swag, icicle strings, glass ball lights, coloured backlight
// glows and snowflake lights.
#include "ArtRegistry.h"
#include "GarlandBulbs.h"
#include "GarlandPine.h"
#include "GarlandPreview.h"

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

void paintGarland(ArtSink& sink)
{
    paintBulbs(sink);
    paintPine(sink);
}

const ArtGroupRegistration registration("garland", &paintGarland, &previewGarland);

} // namespace
