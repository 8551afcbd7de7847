#include "PaintedPictures.h"
#include "PictureMeasures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace PictureMeasures;

namespace {

struct Pendant {
    const char* name;
    int id;
    QPoint hook; // the swing's pivot in the picture, from where the window draws it
};

void PrintTo(const Pendant& pendant, std::ostream* out)
{
    *out << pendant.name;
}

class CursorPendants : public ::testing::TestWithParam<Pendant> {};

// Distance from a point to the nearest pixel at least half opaque.
double distanceToSolid(const QImage& image, QPoint point)
{
    double nearest = 1e9;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 128)
                nearest = std::min(nearest, std::hypot(x - point.x(), y - point.y()));
    return nearest;
}

TEST_P(CursorPendants, HangsFromTheSwingPivot)
{
    // The pendant swings about a point below the pointer; the picture must
    // have its loop or ribbon there, or it swings from thin air.
    const QImage image = paintedPicture("cursor", GetParam().id);
    ASSERT_FALSE(image.isNull());
    EXPECT_LE(distanceToSolid(image, GetParam().hook), 3.0);
    // It hangs down from there: most of its weight lies below the pivot.
    EXPECT_GT(alphaCentroid(image).y(), GetParam().hook.y());
}

INSTANTIATE_TEST_SUITE_P(Pendants, CursorPendants,
                         ::testing::Values(Pendant{"Stocking", 551, {15, 5}},
                                           Pendant{"Ball", 576, {20, 2}},
                                           Pendant{"Bells", 577, {17, 14}},
                                           Pendant{"Wreath", 578, {16, 4}}),
                         [](const ::testing::TestParamInfo<Pendant>& pendant) {
                             return std::string(pendant.param.name);
                         });

TEST(SpinningWreath, TurnsAboutItsMiddle)
{
    // It turns about the picture's centre; an off-centre wreath would wobble.
    const QImage wreath = paintedPicture("cursor", 581);
    ASSERT_FALSE(wreath.isNull());
    const QPointF centre = alphaCentroid(wreath);
    EXPECT_NEAR(centre.x(), 32.0, 1.0);
    EXPECT_NEAR(centre.y(), 32.0, 1.0);
}

} // namespace
