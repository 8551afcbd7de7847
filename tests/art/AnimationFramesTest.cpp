#include "PictureMeasures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace PictureMeasures;

namespace {

TEST(DeepSnow, LoopsWithoutAJumpAndLeavesTheDesktopVisible)
{
    // The 120 pictures play in a loop, back to the first after the last, so
    // the step from the last to the first must look like any other step.
    std::vector<QImage> frames;
    for (unsigned id = 374; id <= 493; ++id) {
        frames.push_back(packedPicture(id));
        ASSERT_FALSE(frames.back().isNull()) << "picture " << id;
    }
    std::vector<double> steps;
    for (size_t i = 0; i + 1 < frames.size(); ++i)
        steps.push_back(meanDifference(frames[i], frames[i + 1]));
    const double wrap = meanDifference(frames.back(), frames.front());
    std::sort(steps.begin(), steps.end());
    const double median = steps[steps.size() / 2];
    EXPECT_GT(median, 0.0) << "the snow does not move";
    EXPECT_LE(wrap, steps.back() * 1.05) << "median step " << median;
    EXPECT_LE(wrap, median * 1.5) << "median step " << median;
    // No frame stands still or jumps either.
    EXPECT_GT(steps.front(), median * 0.5);
    EXPECT_LT(steps.back(), median * 1.5);
    // The snow covers the whole screen; most of it must stay see-through.
    for (size_t i : {0, 59, 119})
        EXPECT_LT(coveredShare(frames[i]), 0.5) << "frame " << i;
}

struct TreeCycle {
    const char* name;
    std::vector<unsigned> frames; // the distinct pictures in the order the window shows them
};

void PrintTo(const TreeCycle& cycle, std::ostream* out)
{
    *out << cycle.name;
}

// Share of the tree's pixels that turn from mostly opaque to mostly clear or back.
double solidFlips(const QImage& a, const QImage& b)
{
    long covered = 0, flipped = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = qAlpha(a.pixel(x, y)) >= 128, inB = qAlpha(b.pixel(x, y)) >= 128;
            covered += inA || inB;
            flipped += inA != inB;
        }
    return covered > 0 ? double(flipped) / covered : 1.0;
}

class TreeFrames : public ::testing::TestWithParam<TreeCycle> {};

TEST_P(TreeFrames, OnlyTheLightsChangeAndTheBorderIsClear)
{
    const auto& frames = GetParam().frames;
    for (size_t i = 0; i < frames.size(); ++i) {
        const unsigned from = frames[i], to = frames[(i + 1) % frames.size()];
        SCOPED_TRACE(::testing::Message() << "from " << from << " to " << to);
        const QImage a = packedPicture(from), b = packedPicture(to);
        ASSERT_FALSE(a.isNull());
        ASSERT_EQ(a.size(), b.size());
        // The window swaps pictures in place: lights, glints and sweeps of
        // light may change, but if the tree itself moved it would jump on the desktop.
        EXPECT_LT(changedShare(a, b, 24), 0.15);
        EXPECT_LT(solidFlips(a, b), 0.03);
        // The window is the picture's rectangle; anything on its border would
        // show as a cut edge on the desktop.
        const int right = a.width() - 1, bottom = a.height() - 1;
        EXPECT_EQ(alphaSum(alphaRow(a, 0)) + alphaSum(alphaRow(a, bottom)) +
                      alphaSum(alphaColumn(a, 0)) + alphaSum(alphaColumn(a, right)),
                  0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryTree, TreeFrames,
    ::testing::Values(TreeCycle{"Bow", {311, 312}},
                      TreeCycle{"Hoarfrost", {321, 322, 323, 324, 325}},
                      TreeCycle{"Joy", {313, 314, 315, 316, 317, 318}},
                      TreeCycle{"Silver", {295, 296, 297, 298, 299, 300, 301, 302, 303, 304}},
                      TreeCycle{"Snowy", {319, 320}}),
    ::testing::PrintToStringParamName());

} // namespace
