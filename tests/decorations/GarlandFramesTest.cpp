#include "GarlandHarness.h"

#include <QDir>
#include <QPainter>

#include <ostream>

namespace {

// The frames a user sees, on Qt's offscreen platform. Set
// YULAVIN_GARLAND_FRAMES to a folder to keep each garland's frame and its
// four corners at full size as PNG files for a look by eye.

struct FramesCase {
    const char* name;
    const char* key;
    bool allEdges; // the icicles hang from the top edge only
};

void PrintTo(const FramesCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class GarlandFrames : public GarlandTest, public ::testing::WithParamInterface<FramesCase> {};

// Whether any pixel of the band is visible.
bool hasPaint(const QImage& frame, const QRect& band)
{
    const QRect inside = band.intersected(frame.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qAlpha(frame.pixel(x, y)) > 0)
                return true;
    return false;
}

// The frame on a dark desktop-like background, as a person would judge it.
QImage onBackground(const QImage& frame)
{
    QImage shown(frame.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(QColor(36, 44, 72));
    QPainter painter(&shown);
    painter.drawImage(0, 0, frame);
    return shown;
}

void keepForLooking(const QString& name, const QImage& frame)
{
    const QString folder = qEnvironmentVariable("YULAVIN_GARLAND_FRAMES");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QImage shown = onBackground(frame);
    shown.save(folder + QStringLiteral("/%1.png").arg(name));
    const int side = 220;
    const QList<std::pair<const char*, QPoint>> corners = {
        {"top-left", {0, 0}},
        {"top-right", {frame.width() - side, 0}},
        {"bottom-right", {frame.width() - side, frame.height() - side}},
        {"bottom-left", {0, frame.height() - side}}};
    for (const auto& [corner, origin] : corners)
        shown.copy(QRect(origin, QSize(side, side)))
            .save(folder + QStringLiteral("/%1-%2.png").arg(name, QLatin1String(corner)));
}

TEST_P(GarlandFrames, LightsEveryEdgeOfTheScreen)
{
    const FramesCase& testCase = GetParam();
    useWindowSize({1366, 767});
    createGarland(QString::fromLatin1(testCase.key));
    for (const auto& [mode, phase, suffix] :
         std::vector<std::tuple<int, int, const char*>>{{0, 0, "steady"}, {2, 0, "chasing"}}) {
        drawAt(mode, phase);
        const QImage frame = m_lights.frameImage();
        ASSERT_EQ(frame.size(), QSize(1366, 767));
        keepForLooking(
            QStringLiteral("%1-%2").arg(QLatin1String(testCase.name), QLatin1String(suffix)),
            frame);
        const int band = 16;
        EXPECT_TRUE(hasPaint(frame, QRect(0, 0, 1366, band))) << "top";
        EXPECT_EQ(hasPaint(frame, QRect(1366 - band, 200, band, 367)), testCase.allEdges)
            << "right";
        EXPECT_EQ(hasPaint(frame, QRect(200, 767 - band, 966, band)), testCase.allEdges)
            << "bottom";
        EXPECT_EQ(hasPaint(frame, QRect(0, 200, band, 367)), testCase.allEdges) << "left";
        // The middle of the screen stays clear.
        EXPECT_FALSE(hasPaint(frame, QRect(400, 350, 566, 67)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Garlands, GarlandFrames,
    ::testing::Values(FramesCase{"Multicolor", kGarlandMulticolor, true},
                      FramesCase{"Blue", kGarlandBlue, true},
                      FramesCase{"White", kGarlandWhite, true},
                      FramesCase{"MulticolorStrawberry", kGarlandMulticolorStrawberry, true},
                      FramesCase{"BlueStrawberry", kGarlandBlueStrawberry, true},
                      FramesCase{"Pine", kGarlandPine, true},
                      FramesCase{"ChristmasPine", kGarlandChristmasPine, true},
                      FramesCase{"Icicle", kGarlandIcicle, false},
                      FramesCase{"Ball", kGarlandBall, true},
                      FramesCase{"Backlight", kGarlandBacklight, true},
                      FramesCase{"Snowflake", kGarlandSnowflake, true}),
    [](const ::testing::TestParamInfo<FramesCase>& testCase) {
        return std::string(testCase.param.name);
    });

} // namespace
