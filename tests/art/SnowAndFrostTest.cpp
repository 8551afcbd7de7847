#include "PaintedPictures.h"
#include "PictureMeasures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace PictureMeasures;

namespace {

TEST(DeepSnow, LoopsWithoutAJump)
{
    // The 120 pictures play in a loop, back to the first after the last, so
    // the step from the last to the first must look like any other step.
    std::vector<QImage> frames;
    for (int id = 374; id <= 493; ++id) {
        frames.push_back(paintedPicture("snow", id));
        ASSERT_FALSE(frames.back().isNull()) << "picture " << id;
    }
    std::vector<double> steps;
    for (size_t i = 0; i + 1 < frames.size(); ++i)
        steps.push_back(meanDifference(frames[i], frames[i + 1]));
    const double wrap = meanDifference(frames.back(), frames.front());
    std::vector<double> sorted = steps;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    EXPECT_GT(median, 0.0) << "the snow does not move";
    EXPECT_LE(wrap, sorted.back() * 1.05) << "median step " << median;
    EXPECT_LE(wrap, median * 1.5) << "median step " << median;
    // No frame stands still or jumps either.
    EXPECT_GT(sorted.front(), median * 0.5);
    EXPECT_LT(sorted.back(), median * 1.5);
}

TEST(Frost, ClearMiddleAndDenseCorners)
{
    // Both sizes come from one painting, so they are checked in one go.
    for (int id : {554, 555}) {
        SCOPED_TRACE(::testing::Message() << "frost " << id);
        const QImage frost = paintedPicture("frost", id);
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
    }
}

} // namespace
