// The 84 pictures of the light garland: wired bulbs in five colours, strawberry
// bulbs, a string of small white bulbs, pine branches with small lights, a
// decorated pine swag, icicle strings, glass ball lights, coloured backlight
// glows and snowflake lights; and the wires that join them across gaps.
#include "ArtRegistry.h"
#include "GarlandBalls.h"
#include "GarlandBulbs.h"
#include "GarlandIcicles.h"
#include "GarlandPine.h"
#include "GarlandPreview.h"
#include "GarlandSnowflakes.h"

#include "vocabulary/GarlandPictures.h"

#include <QString>

#include <array>

namespace {

void add(ArtSink& sink, unsigned id, const QImage& image)
{
    sink.add(QStringLiteral("png/%1.png").arg(id), image);
}

struct ColouredIds {
    GarlandHue hue;
    GarlandColourPictures ids;
};

void paintBulbs(ArtSink& sink)
{
    using namespace GarlandPalette;
    const std::array<ColouredIds, 5> classic{{{blue(), kBulbPictures[0]},
                                              {green(), kBulbPictures[1]},
                                              {orange(), kBulbPictures[2]},
                                              {red(), kBulbPictures[3]},
                                              {yellow(), kBulbPictures[4]}}};
    const std::array<ColouredIds, 5> strawberry{{{blue(), kStrawberryPictures[0]},
                                                 {green(), kStrawberryPictures[1]},
                                                 {orange(), kStrawberryPictures[2]},
                                                 {red(), kStrawberryPictures[3]},
                                                 {yellow(), kStrawberryPictures[4]}}};
    auto paintSet = [&sink](GarlandBulbShape shape, const std::array<ColouredIds, 5>& set) {
        for (const ColouredIds& c : set) {
            add(sink, c.ids.straightUnlit, paintGarlandBulb(shape, c.hue, false, false));
            add(sink, c.ids.straightLit, paintGarlandBulb(shape, c.hue, true, false));
            add(sink, c.ids.cornerUnlit, paintGarlandBulb(shape, c.hue, false, true));
            add(sink, c.ids.cornerLit, paintGarlandBulb(shape, c.hue, true, true));
        }
    };
    paintSet(GarlandBulbShape::Classic, classic);
    paintSet(GarlandBulbShape::Strawberry, strawberry);
    add(sink, kWhiteBulbUnlitPicture,
        paintGarlandBulb(GarlandBulbShape::Mini, warmWhite(), false, false));
    add(sink, kWhiteBulbLitPicture,
        paintGarlandBulb(GarlandBulbShape::Mini, warmWhite(), true, false));
    add(sink, kWhiteWirePicture, paintWhiteWire());
    add(sink, kWhiteWireBendLeftPicture, paintWhiteWireBend(false));
    add(sink, kWhiteWireBendRightPicture, paintWhiteWireBend(true));
}

void paintPine(ArtSink& sink)
{
    add(sink, kPineBranchPicture, paintPineBranch());
    add(sink, kPineSectionPicture, paintPineSwag());
    add(sink, kPineLightUnlitPicture, paintPineLight(false));
    add(sink, kPineLightLitPicture, paintPineLight(true));
    add(sink, kPineSectionLightsUnlitPicture, paintPineSwagLights(false));
    add(sink, kPineSectionLightsLitPicture, paintPineSwagLights(true));
}

void paintIcicles(ArtSink& sink)
{
    for (int variant = 0; variant < int(kIcicleVariantCount); ++variant) {
        const unsigned unlit = kFirstIciclePicture + 2 * static_cast<unsigned>(variant);
        add(sink, unlit, paintIcicleString(variant, false));
        add(sink, unlit + 1, paintIcicleString(variant, true));
    }
}

void paintBalls(ArtSink& sink)
{
    using namespace GarlandPalette;
    const std::array<ColouredIds, 4> balls{{{blue(), kBallLightPictures[0]},
                                            {green(), kBallLightPictures[1]},
                                            {red(), kBallLightPictures[2]},
                                            {yellow(), kBallLightPictures[3]}}};
    for (const ColouredIds& c : balls) {
        add(sink, c.ids.straightUnlit, paintBallLight(c.hue, false, false));
        add(sink, c.ids.straightLit, paintBallLight(c.hue, true, false));
        add(sink, c.ids.cornerUnlit, paintBallLight(c.hue, false, true));
        add(sink, c.ids.cornerLit, paintBallLight(c.hue, true, true));
    }
    add(sink, kBallWirePicture, paintBallWire());
}

void paintBacklight(ArtSink& sink)
{
    using namespace GarlandPalette;
    add(sink, kBacklightPictures[0], paintBacklightGlow(blue()));
    add(sink, kBacklightPictures[1], paintBacklightGlow(green()));
    add(sink, kBacklightPictures[2], paintBacklightGlow(red()));
    add(sink, kBacklightPictures[3], paintBacklightGlow(yellow()));
    // Switched off, the backlight shows nothing at all.
    QImage off(96, 96, QImage::Format_ARGB32_Premultiplied);
    off.fill(Qt::transparent);
    add(sink, kBacklightPictures[4], off);
}

void paintSnowflakes(ArtSink& sink)
{
    using namespace GarlandPalette;
    add(sink, kSnowflakeLightPictures[0], paintSnowflakeLight(blue(), true));
    add(sink, kSnowflakeLightPictures[1], paintSnowflakeLight(green(), true));
    add(sink, kSnowflakeLightPictures[2], paintSnowflakeLight(red(), true));
    add(sink, kSnowflakeLightPictures[3], paintSnowflakeLight(yellow(), true));
    add(sink, kSnowflakeLightPictures[4], paintSnowflakeLight(blue(), false));
    add(sink, kSnowflakeStringPicture, paintSnowflakeString());
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
