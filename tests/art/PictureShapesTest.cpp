#include "PictureMeasures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace PictureMeasures;

namespace {

struct Pendant {
    const char* name;
    unsigned id;
    QPoint hook; // the swing's pivot in the picture, from where the window draws it
};

void PrintTo(const Pendant& pendant, std::ostream* out)
{
    *out << pendant.name;
}

class CursorPendants : public ::testing::TestWithParam<Pendant> {};

TEST_P(CursorPendants, HangsFromTheSwingPivot)
{
    // The pendant swings about a point below the pointer; the picture must
    // have its loop or ribbon there, or it swings from thin air.
    const QImage image = packedPicture(GetParam().id);
    ASSERT_FALSE(image.isNull());
    double nearest = 1e9;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 128)
                nearest =
                    std::min(nearest, std::hypot(x - GetParam().hook.x(), y - GetParam().hook.y()));
    EXPECT_LE(nearest, 3.0);
    // It hangs down from there: most of its weight lies below the pivot.
    EXPECT_GT(alphaCentroid(image).y(), GetParam().hook.y());
}

INSTANTIATE_TEST_SUITE_P(Pendants, CursorPendants,
                         ::testing::Values(Pendant{"Stocking", 551, {15, 5}},
                                           Pendant{"Ball", 576, {20, 2}},
                                           Pendant{"Bells", 577, {17, 14}},
                                           Pendant{"Wreath", 578, {16, 4}}),
                         ::testing::PrintToStringParamName());

TEST(SpinningWreath, TurnsAboutItsMiddle)
{
    // It turns about the picture's centre; an off-centre wreath would wobble.
    const QPointF centre = alphaCentroid(packedPicture(581));
    EXPECT_NEAR(centre.x(), 32.0, 1.0);
    EXPECT_NEAR(centre.y(), 32.0, 1.0);
}

TEST(Frost, ClearMiddleAndDenseCorners)
{
    for (unsigned id : {554u, 555u}) {
        SCOPED_TRACE(::testing::Message() << "frost " << id);
        const QImage frost = packedPicture(id);
        ASSERT_FALSE(frost.isNull());
        const int w = frost.width(), h = frost.height();
        // The frost grows in from the screen's edges; the middle, where the
        // user works, stays almost clear.
        const double middleAlpha = meanAlpha(frost, QRect(w / 4, h / 4, w / 2, h / 2));
        EXPECT_LT(middleAlpha, 255 * 0.1);
        const QSize corner(w / 10, h / 10);
        for (const QPoint at :
             {QPoint(0, 0), QPoint(w - corner.width(), 0), QPoint(0, h - corner.height()),
              QPoint(w - corner.width(), h - corner.height())}) {
            EXPECT_GT(meanAlpha(frost, QRect(at, corner)), middleAlpha * 3 + 20)
                << "corner at " << at.x() << "," << at.y();
        }
        // Most of the screen stays see-through.
        EXPECT_LT(coveredShare(frost), 0.5);
    }
}

} // namespace
